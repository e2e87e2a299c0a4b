# Cross toolchain for the GBA image: Debian's gcc-arm-none-eabi for the ARM7TDMI.
# Used by the emulator's own cross build; the host build passes it in.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR arm)

set(CMAKE_C_COMPILER arm-none-eabi-gcc)
set(CMAKE_CXX_COMPILER arm-none-eabi-g++)
set(CMAKE_ASM_COMPILER arm-none-eabi-gcc)
set(CMAKE_OBJCOPY arm-none-eabi-objcopy CACHE FILEPATH "objcopy for the image")
set(CMAKE_SIZE arm-none-eabi-size CACHE FILEPATH "size for the memory report")

# Nothing to run or link on the build machine while testing the compilers.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

set(TMB_ARM_FLAGS "-mcpu=arm7tdmi -mthumb -mthumb-interwork")
set(CMAKE_C_FLAGS_INIT "${TMB_ARM_FLAGS} -ffreestanding")
set(CMAKE_CXX_FLAGS_INIT
    "${TMB_ARM_FLAGS} -ffreestanding -fno-exceptions -fno-rtti -fno-threadsafe-statics -fno-use-cxa-atexit")
set(CMAKE_ASM_FLAGS_INIT "${TMB_ARM_FLAGS}")

set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
