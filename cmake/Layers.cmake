# The layers' rule, checked as the build is configured: a store or data library links no Qt Gui
# and no Qt Widgets, directly or through the libraries it links. Without them on its include path,
# a window's header in the wrong layer also fails to compile.
set(LAYER_FORBIDDEN Qt6::Gui Qt6::Widgets Qt6::PrintSupport)
set_property(GLOBAL PROPERTY LAYER_TARGETS "")

# Marks `target` as a store or data library; the rule is checked once every library is defined.
function(require_layer target)
  set_property(GLOBAL APPEND PROPERTY LAYER_TARGETS ${target})
endfunction()

# Every library `target` links, itself included, however deep.
function(_layer_closure target out)
  set(seen ${${out}})
  if(target IN_LIST seen OR NOT TARGET ${target})
    set(${out} ${seen} PARENT_SCOPE)
    return()
  endif()
  list(APPEND seen ${target})
  get_target_property(aliased ${target} ALIASED_TARGET)
  if(aliased)
    _layer_closure(${aliased} seen)
  endif()
  foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(links ${target} ${property})
    if(links)
      foreach(link ${links})
        string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
        _layer_closure(${link} seen)
      endforeach()
    endif()
  endforeach()
  set(${out} ${seen} PARENT_SCOPE)
endfunction()

function(check_layers)
  get_property(targets GLOBAL PROPERTY LAYER_TARGETS)
  foreach(target ${targets})
    set(closure "")
    _layer_closure(${target} closure)
    foreach(forbidden ${LAYER_FORBIDDEN})
      if(forbidden IN_LIST closure)
        message(FATAL_ERROR "${target} is a store or data library and must not link ${forbidden} "
                            "(it links: ${closure})")
      endif()
    endforeach()
  endforeach()
endfunction()
