# The formatting check: clang-format over every C++ source of the project,
# listed when the check runs. cmake -DCLANG_FORMAT=... -DZDROJE=<source dir> -P
file(GLOB_RECURSE soubory LIST_DIRECTORIES false
     ${ZDROJE}/state/*.cpp ${ZDROJE}/state/*.h ${ZDROJE}/steam/*.cpp ${ZDROJE}/steam/*.h
     ${ZDROJE}/kvs/*.cpp ${ZDROJE}/kvs/*.h ${ZDROJE}/form/*.cpp ${ZDROJE}/form/*.h
     ${ZDROJE}/tests/*.cpp ${ZDROJE}/tests/*.h ${ZDROJE}/bench/*.cpp ${ZDROJE}/bench/*.h
     ${ZDROJE}/fuzz/*.cpp ${ZDROJE}/fuzz/*.h)
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${soubory} RESULT_VARIABLE vysledek)
if(NOT vysledek EQUAL 0)
    message(FATAL_ERROR "clang-format: the files above are not formatted")
endif()
