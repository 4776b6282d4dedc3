# TARVEX_SANITIZE builds everything with AddressSanitizer and UndefinedBehaviorSanitizer;
# the GUI-free test suites are run in such a build by test.sh.
option(TARVEX_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(TARVEX_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
