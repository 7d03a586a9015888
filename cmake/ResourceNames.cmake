# Reads HEADER (res/resource.h) and writes OUT: the table of resource names the
# scenario driver resolves. A template's name (IDD_...) belongs to no dialog;
# a control's name belongs to the template whose number heads its block, as in
# "// Shopping plan (129).". Blocks without a number (bitmaps, the icon) are left out.
file(STRINGS ${HEADER} header_lines)
set(table "")
set(owner "")
foreach(line IN LISTS header_lines)
  if(line MATCHES "^// .*\\(([0-9]+)\\)\\.?$")
    set(owner ${CMAKE_MATCH_1})
  elseif(line MATCHES "^// ")
    set(owner "")
  elseif(line MATCHES "^#define (IDD_[A-Z0-9_]+) ([0-9]+)$")
    string(APPEND table "    {\"${CMAKE_MATCH_1}\", ${CMAKE_MATCH_2}, 0},\n")
  elseif(owner AND line MATCHES "^#define (IDC_[A-Z0-9_]+) ([0-9]+)$")
    string(APPEND table "    {\"${CMAKE_MATCH_1}\", ${CMAKE_MATCH_2}, ${owner}},\n")
  endif()
endforeach()
set(content "// Generated from res/resource.h; do not edit.\n#include \"tools/script/ResourceNames.h\"\n\nconst ResourceName g_resourceNames[] = {\n${table}    {nullptr, 0, 0},\n};\n")
# Written only when it changes, so that a touched header rebuilds nothing.
if(EXISTS ${OUT})
  file(READ ${OUT} previous)
endif()
if(NOT previous STREQUAL content)
  file(WRITE ${OUT} "${content}")
endif()
