# Windows build: the program itself and, with VELMORA_TESTS, the tests that run it
# (under Wine on Linux).
enable_language(RC)

add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601)

# Hardened, self-contained executables: ASLR (with relocations kept), DEP, static runtime.
set(velmora_link_options -static -static-libgcc -static-libstdc++
    -Wl,--dynamicbase -Wl,--nxcompat -Wl,--disable-auto-import $<$<CONFIG:Release>:-s>)
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    list(APPEND velmora_link_options -Wl,--high-entropy-va)
endif()

add_library(velmora_core STATIC
    ${velmora_portable_sources}
    core/ansi_text_win.cpp
    core/code_page_win.cpp
    core/completion_sound_win.cpp
    core/list_export_win.cpp
    core/list_lock_win.cpp
    core/program_directory_win.cpp
    core/recycle_bin_win.cpp
    core/recycle_run.cpp
    core/system_library_win.cpp
    app/program_state.cpp
    ui/always_on_top.cpp
    ui/close_confirmation.cpp
    ui/count_label.cpp
    ui/drop_target.cpp
    ui/edge_docking.cpp
    ui/flat_button.cpp
    ui/list_window.cpp
    ui/main_window.cpp
    ui/message_pump.cpp
    ui/picture_box.cpp
    ui/resource_bitmap.cpp
    ui/run_progress.cpp
    ui/status_flash.cpp
    ui/translucency.cpp)
target_include_directories(velmora_core PUBLIC ${PROJECT_SOURCE_DIR})
target_compile_options(velmora_core PRIVATE ${velmora_warnings})
target_link_libraries(velmora_core PUBLIC user32 gdi32 ole32 uuid)

add_executable(velmora WIN32 app/main.cpp res/velmora.rc)
target_compile_options(velmora PRIVATE ${velmora_warnings})
target_link_libraries(velmora PRIVATE velmora_core)
target_link_options(velmora PRIVATE ${velmora_link_options})
set_target_properties(velmora PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
set_property(SOURCE res/velmora.rc APPEND PROPERTY OBJECT_DEPENDS
    ${PROJECT_SOURCE_DIR}/res/velmora.manifest
    ${PROJECT_SOURCE_DIR}/res/images/velmora.ico
    ${PROJECT_SOURCE_DIR}/res/images/two_sheets.bmp
    ${PROJECT_SOURCE_DIR}/res/images/floppy.bmp
    ${PROJECT_SOURCE_DIR}/res/images/waste_bin.bmp
    ${PROJECT_SOURCE_DIR}/res/sound/completion.wav)

if(VELMORA_TESTS)
    if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run)
    endif()
    enable_testing()
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
    add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    add_subdirectory(tests/win)
    add_subdirectory(tests/e2e)
    add_subdirectory(bench)
endif()
