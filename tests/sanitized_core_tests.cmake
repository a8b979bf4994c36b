# Builds the core's tests under AddressSanitizer and UndefinedBehaviorSanitizer
# in a folder of their own, with the compilers of the build that runs this,
# and runs them. GCC's vptr check is left out: it flags calls through
# pointers to member functions where there is nothing wrong.
#   cmake -D SOURCE=<project> -D BUILD=<folder> -D CXX=<compiler>
#         [-D LAUNCHER=<ccache>] -P sanitized_core_tests.cmake
set(flags "-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize=vptr -fno-sanitize-recover=undefined")
execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BUILD} -DKORVALIN_BUILD_GUI=OFF
            -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=${flags}
            -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} -j2 --target korvalin_core_tests
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${BUILD}/tests/korvalin_core_tests --gtest_brief=1
                COMMAND_ERROR_IS_FATAL ANY)
