# Fuzz targets (QLX_BUILD_FUZZ, clang). Every library is built with coverage
# and AddressSanitizer so that libFuzzer sees into the code under test.
add_compile_options(-fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer)
add_link_options(-fsanitize=address)

# All fuzz targets; scripts/fuzz.sh builds this and runs each program found in
# <build>/fuzzers with the seed folder named in its <name>.seeds file and the
# dictionary <name>.dict when there is one.
add_custom_target(qlx_fuzzers)

# qlx_add_fuzzer(name SOURCES ... LIBS ... CORPUS <seed folder> [DICT <file>])
function(qlx_add_fuzzer name)
  cmake_parse_arguments(F "" "CORPUS;DICT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
  file(WRITE ${CMAKE_BINARY_DIR}/fuzzers/${name}.seeds "${F_CORPUS}")
  if(F_DICT)
    configure_file(${F_DICT} ${CMAKE_BINARY_DIR}/fuzzers/${name}.dict COPYONLY)
  endif()
  add_dependencies(qlx_fuzzers ${name})
endfunction()
