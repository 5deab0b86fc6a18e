# Native build: the portable logic, its unit tests under AddressSanitizer and UBSan,
# and (with clang) the fuzz targets.
set(velmora_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(velmora_portable STATIC ${velmora_portable_sources} core/code_page_posix.cpp
            core/list_lock_posix.cpp)
target_include_directories(velmora_portable PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(velmora_portable PRIVATE ${velmora_warnings})
target_compile_options(velmora_portable PUBLIC ${velmora_sanitizers})
target_link_options(velmora_portable PUBLIC ${velmora_sanitizers})

if(VELMORA_TESTS)
    enable_testing()
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_subdirectory(tests/native)
endif()

if(VELMORA_FUZZ)
    add_subdirectory(tests/fuzz)
endif()
