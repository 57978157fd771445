# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# cmake -DREADELF=<readelf> -DBINARY=<file> -P WidgetFreeBinary.cmake
# Fails when the program needs a Qt Gui or Qt Widgets library at run time:
# the test binaries of the widget-free layers must run without either.
execute_process(COMMAND ${READELF} -d ${BINARY} OUTPUT_VARIABLE dynamic RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot read the dynamic section of ${BINARY}")
endif()
string(REGEX MATCHALL "\\[libQt[0-9]*(Gui|Widgets)[^]]*\\]" widgets "${dynamic}")
if(widgets)
  message(FATAL_ERROR "${BINARY} needs ${widgets}")
endif()
message(STATUS "${BINARY} needs no Qt Gui or Qt Widgets library")
