# Makes the demo game directory DEMO_DIR: baseq3 with a few small packages
# (made with ZIP), some mod folders, the stand-in game "Quake3.exe" and, only
# when the launcher's data folder is missing, a data folder that holds
# nothing but a first-run marker saying that the first run is still to come:
# the first start's detection fills the catalogues from the packages and
# folders.
#
#   cmake -DDEMO_DIR=<dir> -DDEMO_SOURCE=<this folder> -DZIP=<zip> -P make_demo.cmake

cmake_minimum_required(VERSION 3.25)

foreach(var DEMO_DIR DEMO_SOURCE ZIP)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "make_demo.cmake needs -D${var}=...")
    endif()
endforeach()

# Package name, then its entries. pak0.pk3 stands in for the game's own
# package, whose maps the launcher knows by name without opening it; the
# others are user packages that map and bot detection read.
set(packages
    "pak0.pk3|pak0-stand-in.txt"
    "zz-torvel-maps.pk3|maps/torvel1.bsp|maps/torvel3.bsp|maps/tvx_arena.bsp"
    "zz-demo-bots.pk3|botfiles/bots/grunt_c.c|botfiles/bots/vexa_c.c"
    "zz-demo-ctf.pk3|maps/tvx_ctf1.bsp|botfiles/bots/krell_c.c"
    "zz-demo-streamed.pk3|maps/tvx_q3dm7r.bsp|botfiles/bots/sorlag2_c.c|maps/tvx_gauntlet.bsp")
# Packages whose entries carry their sizes behind the data, as zip writes
# them when it streams.
set(streamed_packages zz-demo-streamed.pk3)

file(MAKE_DIRECTORY ${DEMO_DIR}/baseq3)
foreach(package IN LISTS packages)
    string(REPLACE "|" ";" parts "${package}")
    list(POP_FRONT parts name)
    set(target ${DEMO_DIR}/baseq3/${name})
    if(EXISTS ${target})
        continue()
    endif()
    set(stage ${DEMO_DIR}/.stage/${name})
    file(REMOVE_RECURSE ${stage})
    foreach(entry IN LISTS parts)
        file(WRITE ${stage}/${entry} "placeholder for ${entry} in the demo game directory\n")
    endforeach()
    set(options -q -X)
    if(name IN_LIST streamed_packages)
        list(APPEND options -fd)
    endif()
    execute_process(COMMAND ${ZIP} ${options} -r ${target} ${parts}
                    WORKING_DIRECTORY ${stage} RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "zip could not make ${target}")
    endif()
endforeach()
file(REMOVE_RECURSE ${DEMO_DIR}/.stage)

foreach(mod osp cpma arena)
    if(NOT EXISTS ${DEMO_DIR}/${mod}/description.txt)
        file(WRITE ${DEMO_DIR}/${mod}/description.txt "Demo folder of the mod ${mod}\n")
    endif()
endforeach()

file(COPY ${DEMO_SOURCE}/Quake3.exe DESTINATION ${DEMO_DIR}
     FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                      WORLD_READ WORLD_EXECUTE)

if(NOT EXISTS ${DEMO_DIR}/Tolvdata)
    file(WRITE ${DEMO_DIR}/Tolvdata/launch_stat.tvd "0\r\n")
endif()
