# korval_preprocess(OUTPUT in): runs the target's C preprocessor over a
# module-definition template, so that one list serves both widths (stdcall
# names carry their @N suffix only on 32-bit Windows).
function(korval_preprocess output input)
    get_filename_component(input_dir ${input} DIRECTORY)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_C_COMPILER} -E -P -x c -I${input_dir} ${ARGN} ${input} -o ${output}
        DEPENDS ${input}
        IMPLICIT_DEPENDS C ${input}
        COMMENT "Generating ${output}")
endfunction()
