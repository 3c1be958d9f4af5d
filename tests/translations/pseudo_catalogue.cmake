# cmake -DIN=untranslated.ts -DOUT=pseudo.ts [-DRTL=ON] -P pseudo_catalogue.cmake
#
# Translates every entry of IN into pseudo text: accented, bracketed and about half again as
# long, so that a text too long for its place, or one that never reached tr(), shows before any
# translator sees it. Placeholders, accelerators, entities, file patterns and markup stay as
# they are, and each plural form is filled. With RTL, Qt lays the window out right to left.

cmake_minimum_required(VERSION 3.25)

file(READ "${IN}" text)
# CMake lists split at semicolons: the texts keep theirs as a byte no catalogue holds.
string(ASCII 1 semicolon)
string(REPLACE ";" "${semicolon}" text "${text}")

set(plain a b c d e f g h i j k l m n o p q r s t u v w x y z
          A B C D E F G H I J K L M N O P Q R S T U V W X Y Z)
set(accented á ƀ ç ð é ƒ ĝ ĥ î ĵ ķ ļ ɱ ñ ö þ ǫ ŕ š ţ û ṽ ŵ ẋ ý ž
             Å Ɓ Ç Ð É Ƒ Ĝ Ĥ Î Ĵ Ķ Ļ Ṁ Ñ Ö Þ Ǫ Ŕ Š Ţ Û Ṽ Ŵ Ẋ Ý Ž)

# The pseudo text of one escaped source text.
function(pseudo source result)
    set(rest "${source}")
    set(lead "")    # markup before the first text, kept outside the brackets
    set(body "")
    set(pending "") # markup since the last text
    set(length 0)
    while(NOT rest STREQUAL "")
        set(markup FALSE)
        # A file dialog reads the patterns of a filter only from the parentheses that end it.
        if(rest MATCHES "^(\\((\\*\\.[a-z]+ ?)+\\))$")
            set(token "${CMAKE_MATCH_1}")
            set(shown "${token}")
            set(markup TRUE)
        elseif(rest MATCHES "^(&lt${semicolon}/?(p|b|i|a|br|code|qt|html|span)( ([^&]|&[a-z]+${semicolon})*)?/?&gt${semicolon})")
            set(token "${CMAKE_MATCH_1}")
            set(shown "${token}")
            set(markup TRUE)
        elseif(rest MATCHES "^(&lt${semicolon}/?[a-z]+&gt${semicolon}|&amp${semicolon}&amp${semicolon}|&amp${semicolon}[A-Za-z0-9]|&[a-z]+${semicolon}|&#x?[0-9a-fA-F]+${semicolon})")
            # A tag shown as text, an accelerator with its letter, an entity: each as it is.
            set(token "${CMAKE_MATCH_1}")
            set(shown "${token}")
            math(EXPR length "${length} + 1")
        elseif(rest MATCHES "^(%L?[0-9]+|%L?n|\\*\\.[a-z]+)")
            set(token "${CMAKE_MATCH_1}")
            set(shown "${token}")
            string(LENGTH "${token}" size)
            math(EXPR length "${length} + ${size}")
        elseif(rest MATCHES "^([^&%*(]+)")
            set(token "${CMAKE_MATCH_1}")
            set(shown "${token}")
            foreach(i RANGE 51)
                list(GET plain ${i} from)
                list(GET accented ${i} to)
                string(REPLACE "${from}" "${to}" shown "${shown}")
            endforeach()
            string(LENGTH "${token}" size)
            math(EXPR length "${length} + ${size}")
        else()
            string(SUBSTRING "${rest}" 0 1 token)
            set(shown "${token}")
            math(EXPR length "${length} + 1")
        endif()
        string(LENGTH "${token}" size)
        string(SUBSTRING "${rest}" ${size} -1 rest)
        if(markup)
            string(APPEND pending "${shown}")
        elseif(body STREQUAL "" AND lead STREQUAL "")
            set(lead "${pending}")
            set(pending "")
            string(APPEND body "${shown}")
        else()
            string(APPEND body "${pending}${shown}")
            set(pending "")
        endif()
    endwhile()
    # Brackets and a space, then tildes to make the text half again as long.
    math(EXPR tildes "(${length} + 1) / 2 - 1")
    if(tildes LESS 1)
        set(tildes 1)
    endif()
    string(REPEAT "~" ${tildes} padding)
    set(${result} "${lead}[${body} ${padding}]${pending}" PARENT_SCOPE)
endfunction()

set(out "")
while(TRUE)
    string(FIND "${text}" "<source>" at)
    if(at EQUAL -1)
        break()
    endif()
    math(EXPR at "${at} + 8")
    string(SUBSTRING "${text}" 0 ${at} head)
    string(SUBSTRING "${text}" ${at} -1 text)
    string(FIND "${text}" "</source>" end)
    string(SUBSTRING "${text}" 0 ${end} source)
    string(SUBSTRING "${text}" ${end} -1 text)
    # From the end of the source to the end of its translation: comments, then the
    # translation lupdate left empty, or its empty plural forms.
    string(FIND "${text}" "</translation>" end)
    string(SUBSTRING "${text}" 0 ${end} between)
    string(SUBSTRING "${text}" ${end} -1 text)
    pseudo("${source}" translated)
    string(REPLACE " type=\"unfinished\"" "" between "${between}")
    if(between MATCHES "<numerusform>")
        string(REPLACE "<numerusform></numerusform>" "<numerusform>${translated}</numerusform>"
            between "${between}")
    else()
        string(APPEND between "${translated}")
    endif()
    string(APPEND out "${head}${source}${between}")
endwhile()
string(APPEND out "${text}")
if(RTL)
    string(REPLACE "</TS>" "<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
</TS>" out "${out}")
endif()
string(REPLACE "${semicolon}" ";" out "${out}")
file(WRITE "${OUT}" "${out}")
