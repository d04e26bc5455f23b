# Translations of the module's own texts; the dictionary's texts come from the host already
# translated. Included from source/ and tests/: each directory needs the variables.

find_package(Qt${VORNAC_QT_MAJOR} REQUIRED COMPONENTS LinguistTools)

set(VORNAC_LUPDATE Qt${VORNAC_QT_MAJOR}::lupdate)
set(VORNAC_LRELEASE Qt${VORNAC_QT_MAJOR}::lrelease)
set(VORNAC_RCC Qt${VORNAC_QT_MAJOR}::rcc)

# What lupdate reads: every text the module shows, in code and in forms, with English sources.
set(VORNAC_LUPDATE_ARGUMENTS -silent -no-obsolete -locations relative -source-language en
    ${PROJECT_SOURCE_DIR}/source ${PROJECT_SOURCE_DIR}/forms)

# translations/vornac.ts is the template a translator copies to vornac_<locale>.ts.
set(VORNAC_TRANSLATION_TEMPLATE ${PROJECT_SOURCE_DIR}/translations/vornac.ts)
file(GLOB VORNAC_TRANSLATIONS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/vornac_*.ts)

# Run by hand after texts change: refreshes the template and every translation beside it.
if(NOT TARGET vornac_lupdate)
    add_custom_target(vornac_lupdate
        COMMAND ${VORNAC_LUPDATE} ${VORNAC_LUPDATE_ARGUMENTS}
            -ts ${VORNAC_TRANSLATION_TEMPLATE} ${VORNAC_TRANSLATIONS}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        COMMENT "Updating the translation files in translations/"
        VERBATIM)
endif()

# Compiles the .ts files given after `prefix` into .qm files and embeds them in `target` under the
# resource folder `prefix`, as a resource set called `name`. Nothing happens without files.
function(vornac_embed_translations target name prefix)
    set(folder ${CMAKE_CURRENT_BINARY_DIR}/${name})
    set(entries "")
    set(compiled "")
    foreach(ts IN LISTS ARGN)
        get_filename_component(base ${ts} NAME_WE)
        set(qm ${folder}/${base}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${VORNAC_LRELEASE} -silent ${ts} -qm ${qm}
            DEPENDS ${ts}
            VERBATIM)
        list(APPEND compiled ${qm})
        string(APPEND entries "        <file>${base}.qm</file>\n")
    endforeach()
    if(NOT compiled)
        return()
    endif()

    # Written through configure_file so that an unchanged list does not rebuild the resources.
    set(qrc ${folder}/${name}.qrc)
    file(WRITE ${qrc}.in
        "<RCC>\n    <qresource prefix=\"${prefix}\">\n${entries}    </qresource>\n</RCC>\n")
    configure_file(${qrc}.in ${qrc} COPYONLY)
    # rcc runs here rather than through AUTORCC, which cannot wait for files built by lrelease.
    set(source ${folder}/qrc_${name}.cpp)
    add_custom_command(OUTPUT ${source}
        COMMAND ${VORNAC_RCC} --name ${name} --output ${source} ${qrc}
        DEPENDS ${qrc} ${compiled}
        VERBATIM)
    set_source_files_properties(${source} PROPERTIES SKIP_AUTOGEN ON)
    target_sources(${target} PRIVATE ${source})
endfunction()
