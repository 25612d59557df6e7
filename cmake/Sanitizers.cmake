# DORARIVE_SANITIZE: every target, the Qt-using ones included, is compiled and linked with
# AddressSanitizer and UndefinedBehaviorSanitizer. Undefined behaviour stops the program at the
# first report, so a test that hits it fails instead of printing a line nobody reads.
# scripts/test --sanitize configures build-sanitize/ with it and sets the run-time options.
option(DORARIVE_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(DORARIVE_SANITIZE)
    set(DORARIVE_SANITIZER_FLAGS
        -fsanitize=address,undefined
        -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    add_compile_options(${DORARIVE_SANITIZER_FLAGS})
    add_link_options(${DORARIVE_SANITIZER_FLAGS})
    message(STATUS "DoraRive: building with AddressSanitizer and UndefinedBehaviorSanitizer")
endif()
