# tessorin_widl(<name> <idl> <outdir>): compiles an IDL file with widl into
# <outdir>/<name>.tlb and <outdir>/<name>_h.h.
find_program(WIDL_EXECUTABLE widl REQUIRED)
set(MINGW_IDL_INCLUDE /usr/share/mingw-w64/include CACHE PATH "mingw-w64 IDL include folder")
set(WINE_WINDOWS_LIBS /usr/lib/x86_64-linux-gnu/wine/x86_64-windows
    CACHE PATH "Folder of Wine's 64-bit Windows libraries (holds stdole2.tlb)")

function(tessorin_widl name idl outdir)
    add_custom_command(
        OUTPUT ${outdir}/${name}.tlb ${outdir}/${name}_h.h
        COMMAND ${WIDL_EXECUTABLE} -m64 -I ${MINGW_IDL_INCLUDE} -L ${WINE_WINDOWS_LIBS}
                -t -T ${outdir}/${name}.tlb -h -H ${outdir}/${name}_h.h ${idl}
        DEPENDS ${idl}
        COMMENT "widl ${name}.idl"
        VERBATIM)
endfunction()
