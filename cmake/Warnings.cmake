# Every warning flag of the project lives here, so one place decides what is an error.
function(tarvex_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror -Wshadow=local
                                             -Wno-error=deprecated-declarations)
endfunction()
