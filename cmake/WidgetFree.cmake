# SPDX-FileCopyrightText: 2026 Velmarin Software
# SPDX-License-Identifier: MIT
# The lower layers (the ledger, the team-file reader, the core of the export)
# and their tests need nothing but QtCore.  quintora_keep_widget_free(<target>)
# makes configuring fail when such a target reaches Qt Gui or Qt Widgets
# through any chain of linked libraries, so a widget dependency cannot creep
# into those layers by way of a library that happens to bring one along.

set(QUINTORA_WIDGET_LIBRARIES Qt6::Gui Qt6::Widgets)

# Walks everything `target` links, directly or through the interfaces of
# what it links, and stops at the first widget library it reaches.
function(_quintora_check_widget_free target)
  set(queue ${target})
  set(seen ${target})
  string(MAKE_C_IDENTIFIER "${target}" key)
  set(path_${key} ${target})
  while(queue)
    list(POP_FRONT queue current)
    string(MAKE_C_IDENTIFIER "${current}" current_key)
    set(links)
    get_target_property(type ${current} TYPE)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
      get_target_property(own ${current} LINK_LIBRARIES)
      if(own)
        list(APPEND links ${own})
      endif()
    endif()
    get_target_property(interface ${current} INTERFACE_LINK_LIBRARIES)
    if(interface)
      list(APPEND links ${interface})
    endif()
    foreach(link IN LISTS links)
      # A static library names its private links as $<LINK_ONLY:...>.
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
      if(link MATCHES "^\\$<" OR NOT TARGET ${link})
        continue()
      endif()
      get_target_property(aliased ${link} ALIASED_TARGET)
      if(aliased)
        set(link ${aliased})
      endif()
      if(link IN_LIST seen)
        continue()
      endif()
      list(APPEND seen ${link})
      string(MAKE_C_IDENTIFIER "${link}" key)
      set(path_${key} "${path_${current_key}} -> ${link}")
      if(link IN_LIST QUINTORA_WIDGET_LIBRARIES)
        message(FATAL_ERROR "${target} must stay free of Qt Gui and Qt Widgets, but links ${path_${key}}")
      endif()
      list(APPEND queue ${link})
    endforeach()
  endwhile()
endfunction()

# Checked once the whole tree is configured, when every link is known.  A
# deferred call expands its arguments only when it runs, so the target's
# name is put into its text now.
function(quintora_keep_widget_free target)
  cmake_language(EVAL CODE
    "cmake_language(DEFER DIRECTORY [[${PROJECT_SOURCE_DIR}]] CALL _quintora_check_widget_free [[${target}]])")
endfunction()
