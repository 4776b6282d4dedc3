# Every warning flag of the project lives here, so one place decides what is an error.
function(tarvex_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${target} PRIVATE -Wshadow=local)
    else()
        target_compile_options(${target} PRIVATE -Wshadow-uncaptured-local)
    endif()
endfunction()
