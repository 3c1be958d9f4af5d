# Writes the notices of the third-party code built into the Qt libraries and plug-ins that the
# Windows packages carry. Qt's sources record each such library in a qt_attribution.json beside its
# licence files (scripts/build-qt-mingw.sh keeps them in RECORDS); the features this Qt was built
# with (QT_FEATURE_*, from find_package) say which of them it holds.
function(crestmap_qt_notices records output)
    # A record's folder in Qt's sources, the feature that builds its code into Qt (- for always),
    # and the feature that takes the system's copy instead (- for none).
    set(table
        src/3rdparty/zlib              -                  system_zlib
        src/3rdparty/libpng            png                system_png
        src/3rdparty/libjpeg           jpeg               system_jpeg
        src/3rdparty/freetype          freetype           system_freetype
        src/3rdparty/harfbuzz-ng       harfbuzz           system_harfbuzz
        src/3rdparty/pcre2             regularexpression  system_pcre2
        src/3rdparty/double-conversion doubleconversion   system_doubleconversion
        src/3rdparty/md4c              textmarkdownreader system_textmarkdownreader
        src/3rdparty/tinycbor          cborstreamreader   -
        src/3rdparty/easing            easingcurve        -
        src/3rdparty/blake2            -                  -
        src/3rdparty/md4               -                  -
        src/3rdparty/md5               -                  -
        src/3rdparty/rfc6234           -                  -
        src/3rdparty/sha1              -                  -
        src/3rdparty/sha3              -                  -
        src/corelib/text               -                  -
        src/corelib/tools              -                  -
        src/gui/painting               -                  -
        src/gui/text                   pdf                -
        src/3rdparty/icc               pdf                -)
    set(text "Notices of the third-party code built into Qt ${Qt6_VERSION}, whose libraries and \
plug-ins\ncome with Crestmap ${PROJECT_VERSION} for Windows. They are made from the records in \
Qt's sources\n(qt_attribution.json) of the code this build of Qt holds.\n")
    list(LENGTH table cells)
    math(EXPR last "${cells} - 1")
    foreach(row RANGE 0 ${last} 3)
        math(EXPR column "${row} + 1")
        list(GET table ${row} folder)
        list(GET table ${column} feature)
        math(EXPR column "${row} + 2")
        list(GET table ${column} system)
        if((NOT feature STREQUAL "-" AND NOT QT_FEATURE_${feature})
           OR (NOT system STREQUAL "-" AND QT_FEATURE_${system}))
            continue()
        endif()
        set(file ${records}/${folder}/qt_attribution.json)
        if(NOT EXISTS ${file})
            message(FATAL_ERROR "${file} is missing: Qt's sources have no record of ${folder}")
        endif()
        file(READ ${file} json)
        string(JSON type TYPE "${json}")
        if(type STREQUAL "OBJECT")
            set(json "[${json}]")
        endif()
        string(JSON entries LENGTH "${json}")
        math(EXPR entries "${entries} - 1")
        foreach(entry RANGE ${entries})
            _crestmap_qt_notice("${json}" ${entry} ${records}/${folder} notice)
            string(APPEND text "\n${notice}")
        endforeach()
    endforeach()
    file(WRITE ${output} "${text}")
endfunction()

# One library's notice: its name, version, home page, licence, copyright and licence texts.
function(_crestmap_qt_notice json entry folder result)
    foreach(key Name Version Homepage License Copyright CopyrightFile LicenseFile LicenseFiles)
        string(JSON ${key} ERROR_VARIABLE missing GET "${json}" ${entry} ${key})
        if(missing)
            set(${key} "")
        endif()
    endforeach()
    string(REPEAT "=" 79 rule)
    set(notice "${rule}\n${Name}")
    if(Version)
        string(APPEND notice ", version ${Version}")
    endif()
    string(APPEND notice "\n")
    if(Homepage)
        string(APPEND notice "${Homepage}\n")
    endif()
    string(APPEND notice "Licence: ${License}\n")
    if(Copyright)
        string(STRIP "${Copyright}" Copyright)
        string(APPEND notice "\n${Copyright}\n")
    endif()
    set(files ${CopyrightFile} ${LicenseFile})
    if(LicenseFiles)
        string(JSON count LENGTH "${json}" ${entry} LicenseFiles)
        math(EXPR count "${count} - 1")
        foreach(index RANGE ${count})
            string(JSON name GET "${json}" ${entry} LicenseFiles ${index})
            list(APPEND files ${name})
        endforeach()
    endif()
    foreach(name IN LISTS files)
        if(NOT EXISTS ${folder}/${name})
            message(FATAL_ERROR "${folder}/${name}, named in its qt_attribution.json, is missing")
        endif()
        file(READ ${folder}/${name} licence)
        string(STRIP "${licence}" licence)
        string(APPEND notice "\n${licence}\n")
    endforeach()
    set(${result} "${notice}" PARENT_SCOPE)
endfunction()
