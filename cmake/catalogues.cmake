# The catalogues of the texts, po/*.po for each language of po/LINGUAS, compiled into the core:
# each is checked by msgfmt, converted to the code page by msgconv (a text outside it stops the
# build) and compiled to a message object, whose bytes the core reads at its first translation.
find_program(MSGFMT msgfmt REQUIRED)
find_program(MSGCONV msgconv REQUIRED)

file(STRINGS ${CMAKE_SOURCE_DIR}/po/LINGUAS TALLYROPE_CATALOGUE_LANGUAGES)
string(REPLACE " " ";" TALLYROPE_CATALOGUE_LANGUAGES "${TALLYROPE_CATALOGUE_LANGUAGES}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/po/LINGUAS)

set(generated ${CMAKE_BINARY_DIR}/generated)
file(MAKE_DIRECTORY ${generated})
set(entries "")
foreach(code ${TALLYROPE_CATALOGUE_LANGUAGES})
    set(catalogue ${CMAKE_SOURCE_DIR}/po/${code}.po)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${catalogue})
    file(STRINGS ${catalogue} plural_forms REGEX "^\"Plural-Forms:")
    # The core knows these two rules; a language with more forms needs its own.
    if(NOT plural_forms MATCHES "nplurals=2[\\]?; plural=\\(n (!= 1|> 1)\\)[\\]?;")
        message(FATAL_ERROR "${catalogue}: Plural-Forms is not n != 1 or n > 1: ${plural_forms}")
    endif()
    execute_process(
        COMMAND ${MSGFMT} --check -o /dev/null ${catalogue}
        COMMAND_ERROR_IS_FATAL ANY)
    execute_process(
        COMMAND ${MSGCONV} --to-code=CP1252 -o ${generated}/${code}.cp1252.po ${catalogue}
        COMMAND_ERROR_IS_FATAL ANY)
    execute_process(
        COMMAND ${MSGFMT} -o ${generated}/${code}.mo ${generated}/${code}.cp1252.po
        COMMAND_ERROR_IS_FATAL ANY)
    tallyrope_string_of_file(${generated}/${code}.mo bytes)
    string(APPEND entries "        {\"${code}\", ${bytes}},\n")
endforeach()

set(source "// Made by cmake/catalogues.cmake from po/*.po.
#include \"text/catalogue.h\"

namespace tallyrope {

const std::vector<CompiledCatalogue>& compiledCatalogues() {
    static const std::vector<CompiledCatalogue> catalogues = {
${entries}    };
    return catalogues;
}

} // namespace tallyrope
")
set(TALLYROPE_CATALOGUES_SOURCE ${generated}/compiled_catalogues.cpp)
tallyrope_write_if_changed(${TALLYROPE_CATALOGUES_SOURCE} "${source}")
