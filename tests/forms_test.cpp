// Every window of the program loads from its design: its controls are all
// there for the handlers it registers.

#include <gtest/gtest.h>

#include "engine/form_names.h"
#include "support/test_folder.h"

namespace zv {
namespace {

TEST(Forms, EveryWindowLoads)
{
    test::Session run;
    run.start();
    for (const char* name : forms::kAll) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(run.app().isRegistered(name));
        Form* form = nullptr;
        ASSERT_NO_THROW(run.app().run([&] { form = run.app().load(name); }));
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->name(), name);
    }
}

}  // namespace
}  // namespace zv
