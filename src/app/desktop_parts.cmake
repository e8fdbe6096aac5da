# The start-up checks, the work environment, the report, the about dialog, the splash window,
# the help window and the end sound: each in a folder of its own.
file(GLOB_RECURSE desktop_part_sources CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/startup/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/environment/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/report/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/about/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/splash/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/help/*.cpp
     ${CMAKE_CURRENT_SOURCE_DIR}/sound/*.cpp)
list(APPEND desktop_part_sources ${CMAKE_CURRENT_SOURCE_DIR}/assets/assets.qrc)

# The program's version record, shown by the about dialog.
set(VERTANUM_COMPANY_NAME "Моравекс")
set(VERTANUM_FILE_DESCRIPTION "Вертанум: редактор конфигурации и программатор приборов")
set(VERTANUM_INTERNAL_NAME "vertanum")
set(VERTANUM_LEGAL_COPYRIGHT "© 2003–2025 Моравекс")
set(VERTANUM_LEGAL_TRADEMARKS "Вертанум, Quillbyte")
set(VERTANUM_ORIGINAL_FILE_NAME "vertanum")
set(VERTANUM_PRODUCT_NAME "Вертанум")
set(VERTANUM_COMMENTS "Программа для Linux; файлы .qcf совместимы с версией для Windows")
if(CMAKE_BUILD_TYPE)
    set(VERTANUM_BUILD_FLAGS "${CMAKE_BUILD_TYPE}, ${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION}")
else()
    set(VERTANUM_BUILD_FLAGS "${CMAKE_CXX_COMPILER_ID} ${CMAKE_CXX_COMPILER_VERSION}")
endif()
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/about/version_record_values.hpp.in
               ${CMAKE_CURRENT_BINARY_DIR}/generated/version_record_values.hpp @ONLY)
