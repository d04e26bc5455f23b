# Installs the build tree into a fresh prefix, builds the outside host against it and runs it.
# Variables: BUILD_DIR, SOURCE_DIR, WORK_DIR.
file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${WORK_DIR}/prefix"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(result)
    message(FATAL_ERROR "install failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${WORK_DIR}/build"
    "-DCMAKE_PREFIX_PATH=${WORK_DIR}/prefix" RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "configuring the outside host failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build "${WORK_DIR}/build" RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "building the outside host failed: ${result}")
endif()
execute_process(COMMAND "${WORK_DIR}/build/installedHost" RESULT_VARIABLE result)
if(result)
    message(FATAL_ERROR "the outside host failed: ${result}")
endif()
