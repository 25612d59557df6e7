# DORARIVE_FUZZ: the libFuzzer targets of fuzz/ (clang only). The libraries they exercise are
# compiled with coverage feedback and AddressSanitizer/UndefinedBehaviorSanitizer, so the fuzzer
# steers by our code's branches and stops at the first memory error or undefined behaviour.
# Build and run them with scripts/test --fuzz (build-fuzz/).
option(DORARIVE_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

if(DORARIVE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "DORARIVE_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
    endif()
    set(DORARIVE_FUZZ_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
    # The libraries under test: instrumented, without libFuzzer's main.
    foreach(library dorarive_model dorarive_controls_core dorarive_version_core dorarive_version dorarive_storage
            dorarive_presentation_core dorarive_cli_core)
        target_compile_options(${library} PRIVATE -fsanitize=fuzzer-no-link ${DORARIVE_FUZZ_SANITIZERS})
    endforeach()
    add_subdirectory(fuzz)
endif()
