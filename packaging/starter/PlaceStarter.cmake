# Puts the starter library from STARTER into the application folder TARGET, but only where that
# folder holds no library yet: no item.txt, nothing in system/, nothing in SystemFolder/. A
# library that exists is never touched, so building or installing again keeps every byte of it.
file(GLOB categories "${TARGET}/system/*")
file(GLOB pictures "${TARGET}/SystemFolder/*")
if(EXISTS "${TARGET}/item.txt" OR categories OR pictures)
    return()
endif()
file(COPY "${STARTER}/" DESTINATION "${TARGET}")
