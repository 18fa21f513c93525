# Puts the starter library from STARTER/<language> into the application folder TARGET. The
# language is the one the program would speak to whoever builds or installs: LANGUAGE, LC_ALL,
# LC_MESSAGES or LANG, as a country's set or the language's; English where there is no set.
#
# A library of the user's is never touched, so building or installing again keeps every byte of
# it. The one exception is a library that is still, byte for byte, another language's starter
# set: nobody has made it theirs yet, and it is swapped for this language's.

# The library's files below `folder` with their digests, as "file=digest" items.
function(library_digest folder out)
    file(GLOB index RELATIVE "${folder}" "${folder}/item.txt")
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${folder}"
        "${folder}/system/*" "${folder}/SystemFolder/*")
    list(APPEND files ${index})
    list(SORT files)
    set(digest "")
    foreach(file ${files})
        file(SHA256 "${folder}/${file}" hash)
        list(APPEND digest "${file}=${hash}")
    endforeach()
    set(${out} "${digest}" PARENT_SCOPE)
endfunction()

set(wanted "")
foreach(variable LANGUAGE LC_ALL LC_MESSAGES LANG)
    if(NOT "$ENV{${variable}}" STREQUAL "")
        string(REPLACE ":" ";" wanted "$ENV{${variable}}")
        break()
    endif()
endforeach()
set(chosen en)
foreach(locale ${wanted})
    string(REGEX REPLACE "[.@].*" "" locale "${locale}")
    string(REGEX REPLACE "_.*" "" language "${locale}")
    if(locale AND IS_DIRECTORY "${STARTER}/${locale}")
        set(chosen "${locale}")
        break()
    elseif(language AND IS_DIRECTORY "${STARTER}/${language}")
        set(chosen "${language}")
        break()
    endif()
endforeach()

library_digest("${TARGET}" present)
if(present)
    file(GLOB sets LIST_DIRECTORIES true RELATIVE "${STARTER}" "${STARTER}/*")
    set(untouched FALSE)
    foreach(set ${sets})
        library_digest("${STARTER}/${set}" starter)
        if(NOT set STREQUAL chosen AND present STREQUAL starter)
            set(untouched TRUE)
        endif()
    endforeach()
    if(NOT untouched)
        return()
    endif()
    foreach(item ${present})
        string(REGEX REPLACE "=[0-9a-f]+$" "" file "${item}")
        file(REMOVE "${TARGET}/${file}")
    endforeach()
endif()
# The tool wrote the sets under the builder's umask; installed, they are data like any other.
file(COPY "${STARTER}/${chosen}/" DESTINATION "${TARGET}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ
    WORLD_READ DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
    WORLD_EXECUTE)
