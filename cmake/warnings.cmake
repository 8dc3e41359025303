# The warnings our own code is built with: a strict set, linked PRIVATE by
# every target of ours (never by Qt's or GoogleTest's code). With
# ZARVANA_WERROR every warning stops the build, as it does in CI.
add_library(zarvana_warnings INTERFACE)
if(MSVC)
  target_compile_options(zarvana_warnings INTERFACE /W4 $<$<BOOL:${ZARVANA_WERROR}>:/WX>)
else()
  target_compile_options(zarvana_warnings INTERFACE
    -Wall -Wextra -Wpedantic
    -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast -Wcast-qual
    -Wmissing-declarations -Wnon-virtual-dtor -Woverloaded-virtual
    -Wformat=2 -Wimplicit-fallthrough -Wundef
    $<$<BOOL:${ZARVANA_WERROR}>:-Werror>)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(zarvana_warnings INTERFACE -Wuseless-cast -Wduplicated-cond -Wlogical-op)
    # GCC 12 reports a false -Wrestrict inside std::string's operator+ when a
    # literal is put in front of a string (GCC bug 105329); later GCCs do not.
    if(CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      target_compile_options(zarvana_warnings INTERFACE -Wno-restrict)
    endif()
  endif()
endif()
