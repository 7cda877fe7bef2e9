# Each folder of puzzles/ with a letters.txt is a language of the game. Its letters file, written
# in UTF-8, is converted to the code page with iconv and compiled into the core, so that every
# program knows every language without a file of its own; a new folder is found at the next
# build.
file(GLOB TALLYROPE_LETTERS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/puzzles/*/letters.txt)
find_program(ICONV iconv REQUIRED)

set(generated ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${generated})
set(TALLYROPE_LANGUAGES "")
set(entries "")
foreach(letters ${TALLYROPE_LETTERS})
    get_filename_component(folder ${letters} DIRECTORY)
    get_filename_component(code ${folder} NAME)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${letters})
    execute_process(COMMAND ${ICONV} -f UTF-8 -t WINDOWS-1252 ${letters}
        OUTPUT_FILE ${generated}/${code}.letters RESULT_VARIABLE converted
        ERROR_VARIABLE problem)
    if(NOT converted EQUAL 0)
        message(FATAL_ERROR "${letters}: not UTF-8 of the Windows-1252 code page: ${problem}")
    endif()
    tallyrope_string_of_file(${generated}/${code}.letters bytes)
    string(APPEND entries "        {\"${code}\", ${bytes}},\n")
    list(APPEND TALLYROPE_LANGUAGES ${code})
endforeach()
if(NOT "en" IN_LIST TALLYROPE_LANGUAGES)
    message(FATAL_ERROR "puzzles/en/letters.txt is missing: English is every program's default")
endif()

set(source "// Made by cmake/languages.cmake from puzzles/*/letters.txt.
#include \"text/languages.h\"

namespace tallyrope {

const std::vector<LettersFile>& shippedLettersFiles() {
    static const std::vector<LettersFile> files = {
${entries}    };
    return files;
}

} // namespace tallyrope
")
set(TALLYROPE_LANGUAGES_SOURCE ${generated}/shipped_letters.cpp)
tallyrope_write_if_changed(${TALLYROPE_LANGUAGES_SOURCE} "${source}")
