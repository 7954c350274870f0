# The demo game directory: made as the build makes it, then made again over
# a data folder that the launcher has changed, which must stay as it is.
#
#   cmake -DDEMO_SOURCE=<resources/demo> -DZIP=<zip> -DWORK=<scratch dir> -P demo_test.cmake

set(demo ${WORK}/demo)
file(REMOVE_RECURSE ${WORK})

function(make_demo)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -DDEMO_DIR=${demo} -DDEMO_SOURCE=${DEMO_SOURCE} -DZIP=${ZIP}
                -P ${DEMO_SOURCE}/make_demo.cmake
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "making the demo failed")
    endif()
endfunction()

# Compared byte for byte (a plain read would drop the CR of CR LF).
function(expect_file path content)
    file(READ ${path} actual HEX)
    string(HEX "${content}" expected)
    if(NOT actual STREQUAL expected)
        message(FATAL_ERROR "${path} holds ${actual}, expected ${expected} (hexadecimal)")
    endif()
endfunction()

make_demo()
expect_file(${demo}/Tolvdata/launch_stat.tvd "0\r\n")
foreach(folder osp cpma arena)
    if(NOT IS_DIRECTORY ${demo}/${folder})
        message(FATAL_ERROR "no mod folder ${folder}")
    endif()
endforeach()
file(GLOB packages ${demo}/baseq3/*.pk3)
list(LENGTH packages count)
if(count LESS 2)
    message(FATAL_ERROR "the demo has ${count} packages")
endif()
# The packages are real zip files with map and bot entries.
set(entries "")
foreach(package IN LISTS packages)
    execute_process(COMMAND unzip -Z1 ${package} OUTPUT_VARIABLE listing RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "${package} is no zip file")
    endif()
    string(APPEND entries "${listing}")
endforeach()
if(NOT entries MATCHES "maps/[a-z0-9_]+\\.bsp" OR NOT entries MATCHES "botfiles/bots/[a-z]+_c\\.c")
    message(FATAL_ERROR "missing map or bot entries: ${entries}")
endif()

# The stand-in game writes its arguments into its working directory.
execute_process(COMMAND ${demo}/Quake3.exe "+ set" "My Server" +map WORKING_DIRECTORY ${demo}
                RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the stand-in game did not run")
endif()
expect_file(${demo}/quake3-args.log "+ set\nMy Server\n+map\n")

# A rebuild keeps what the launcher wrote.
file(WRITE ${demo}/Tolvdata/launch_stat.tvd "1\r\n")
file(WRITE ${demo}/Tolvdata/maps.tvd "q3dm17/\r\n")
file(REMOVE ${demo}/Quake3.exe)
make_demo()
expect_file(${demo}/Tolvdata/launch_stat.tvd "1\r\n")
expect_file(${demo}/Tolvdata/maps.tvd "q3dm17/\r\n")
if(NOT EXISTS ${demo}/Quake3.exe)
    message(FATAL_ERROR "the stand-in game was not put back")
endif()
file(REMOVE_RECURSE ${WORK})
