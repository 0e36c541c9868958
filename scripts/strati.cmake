# Checks that Bolv's folders stay in their layers: a source includes headers of its own folder
# and of the layers below it only, and the engine and the computations include nothing of Qt.
# Run as a test: cmake -DSORGENTI=<project folder> -P scripts/strati.cmake
cmake_minimum_required(VERSION 3.25)
#
# The layers, from the bottom up; folders of one layer include nothing of each other.
set(strati
    "bolv/base"
    "bolv/platform bolv/core"
    "bolv/play/calcolo bolv/archive/calcolo"
    "bolv/analysis/calcolo"
    "bolv/core/kit"
    "bolv/analysis bolv/archive bolv/play"
    "bolv/core/finestre")
# The layers whose code is plain C++.
set(senzaqt bolv/base bolv/core bolv/play/calcolo bolv/archive/calcolo bolv/analysis/calcolo)

# Each folder's layer, and the folder of each header.
set(livello 0)
foreach(strato IN LISTS strati)
    string(REPLACE " " ";" cartelle "${strato}")
    foreach(cartella IN LISTS cartelle)
        set(livello_${cartella} ${livello})
        list(APPEND tutte ${cartella})
        file(GLOB intestazioni RELATIVE ${SORGENTI}/${cartella} ${SORGENTI}/${cartella}/*.h)
        foreach(h IN LISTS intestazioni)
            set(cartella_${h} ${cartella})
        endforeach()
    endforeach()
    math(EXPR livello "${livello} + 1")
endforeach()

set(errori 0)
foreach(cartella IN LISTS tutte)
    file(GLOB sorgenti ${SORGENTI}/${cartella}/*.h ${SORGENTI}/${cartella}/*.cpp)
    foreach(sorgente IN LISTS sorgenti)
        file(STRINGS ${sorgente} righe REGEX "^#include [\"<]")
        file(RELATIVE_PATH nome ${SORGENTI} ${sorgente})
        foreach(riga IN LISTS righe)
            if(riga MATCHES "^#include \"([^\"]+)\"")
                set(incluso ${CMAKE_MATCH_1})
                if(DEFINED cartella_${incluso})
                    set(sua ${cartella_${incluso}})
                    if(NOT sua STREQUAL cartella AND
                       NOT livello_${sua} LESS livello_${cartella})
                        message("${nome} includes ${sua}/${incluso}, which is not below it")
                        math(EXPR errori "${errori} + 1")
                    endif()
                endif()
            elseif(riga MATCHES "^#include <(Q[A-Za-z]*)" AND cartella IN_LIST senzaqt)
                message("${nome} includes <${CMAKE_MATCH_1}>, in plain C++ code")
                math(EXPR errori "${errori} + 1")
            endif()
        endforeach()
    endforeach()
endforeach()
if(errori GREATER 0)
    message(FATAL_ERROR "${errori} includes out of their layer")
endif()
