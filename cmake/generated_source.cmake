# What the configuration's generated sources share: a file's bytes as a C++ string, and a source
# written only when it changes, so that a new configuration rebuilds nothing else.

# `std::string("\x..", size)` holding the bytes of `file`, in `out`.
function(tallyrope_string_of_file file out)
    file(READ ${file} hex HEX)
    string(LENGTH "${hex}" digits)
    math(EXPR size "${digits} / 2")
    string(REGEX REPLACE "(..)" "\\\\x\\1" escaped "${hex}")
    set(${out} "std::string(\"${escaped}\", ${size})" PARENT_SCOPE)
endfunction()

function(tallyrope_write_if_changed path content)
    set(previous "")
    if(EXISTS ${path})
        file(READ ${path} previous)
    endif()
    if(NOT "${previous}" STREQUAL "${content}")
        file(WRITE ${path} "${content}")
    endif()
endfunction()
