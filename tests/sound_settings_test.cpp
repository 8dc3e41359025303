// zarvana.ini's [sound]: what a player's file, good or bad, gives, and that
// saving it keeps every other setting of the file.

#include <gtest/gtest.h>

#include "support/test_folder.h"
#include "ui/sound_settings.h"

namespace zv {
namespace {

TEST(SoundSettings, WhatTheFileGives)
{
    struct Case {
        const char* file;
        SoundSettings expected;
    };
    const Case cases[] = {
        {nullptr, {70, 70, false}},
        {"", {70, 70, false}},
        {"[sound]\nmusic = 20\neffects=100\nvoice = on\n", {20, 100, true}},
        {"[sound]\r\nmusic=0\r\nvoice=off\r\n", {0, 70, false}},
        // What cannot be read keeps its default; the rest is still read.
        {"[sound]\nmusic = loud\neffects = 101\nvoice = yes\n", {70, 70, false}},
        {"garbage \x01\x02 [[[\n[sound]\nmusic = -5\neffects = 30\n", {70, 30, false}},
        {"[other]\nmusic = 10\nvoice = on\n", {70, 70, false}},
        {"[sound]\nmusic = 40 ; quiet evenings\n", {40, 70, false}},
    };
    for (const Case& c : cases) {
        test::TestFolder dir;
        if (c.file) dir.write("zarvana.ini", c.file);
        EXPECT_EQ(readSoundSettings(dir.file("zarvana.ini")), c.expected) << (c.file ? c.file : "(no file)");
    }
}

TEST(SoundSettings, SavingKeepsTheOtherSections)
{
    test::TestFolder dir;
    dir.write("zarvana.ini", "[history]\nkeep = 100\n\n[sound]\nmusic = 10\n\n[look]\ntheme = dark\n");
    ASSERT_TRUE(writeSoundSettings(dir.file("zarvana.ini"), {55, 65, true}));
    EXPECT_EQ(dir.read("zarvana.ini"),
              "[history]\nkeep = 100\n\n[sound]\nmusic = 55\neffects = 65\nvoice = on\n\n[look]\ntheme = dark\n\n");
    EXPECT_EQ(readSoundSettings(dir.file("zarvana.ini")), (SoundSettings{55, 65, true}));
    EXPECT_FALSE(dir.exists("zarvana.ini.new"));
}

TEST(SoundSettings, TheSoundDialogSavesAndTheVoiceSpeaksAtOnce)
{
    test::Session run(test::crlf({test::record(1, "Which?", "B", "1")}));
    run("sounds on\nclick Main.Label5\nclick frmOptions.Command2\ntext frmSound.Combo1 30\ncheck frmSound.Check1 1\n"
        "click frmSound.Command1\nclick frmOptions.Command1");
    EXPECT_EQ(readSoundSettings(run.folder().file("zarvana.ini")), (SoundSettings{30, 70, true}));
    EXPECT_EQ(run("click Main.Label1\nclick Game.lblStart"),
              "music: bed_1_5\nsay: Question 1. Which? A: Opt A. B: Opt B. C: Opt C. D: Opt D.\n");
    // Cancel changes nothing.
    run("close Game\nclick Main.Label5\nclick frmOptions.Command2\ncheck frmSound.Check1 0\nclick frmSound.Command2");
    EXPECT_TRUE(readSoundSettings(run.folder().file("zarvana.ini")).voice);
}

}  // namespace
}  // namespace zv
