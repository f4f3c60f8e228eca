ventrel_fuzzer(fuzz_cli_options ${CMAKE_CURRENT_SOURCE_DIR}/fuzz_cli_options.cpp cli_commands)
target_compile_definitions(fuzz_cli_options PRIVATE VENTREL_EXAMPLES="${CMAKE_SOURCE_DIR}/examples")
