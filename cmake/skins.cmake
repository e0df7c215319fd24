# The two built-in skin themes travel as resources in every executable that links the widgets
# (the program, the in-process tests, the screenshots, the benchmarks), so each reads the same archives.
target_sources(kdc_win INTERFACE ${CMAKE_SOURCE_DIR}/resources/themes.rc)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/resources/themes.rc APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_SOURCE_DIR}/resources/themes/midsummer.theme ${CMAKE_SOURCE_DIR}/resources/themes/mainfrom.theme)
