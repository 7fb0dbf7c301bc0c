# The core libraries and the command-line tool must not reach Qt; the tool must
# not reach the widgets either. Checked on the declared link libraries.
function(tarvel_forbid_links target pattern)
  if(NOT TARGET ${target})
    return()
  endif()
  get_target_property(libs ${target} LINK_LIBRARIES)
  if(libs)
    foreach(lib IN LISTS libs)
      if(lib MATCHES "${pattern}")
        message(FATAL_ERROR "${target} must not link ${lib}")
      endif()
    endforeach()
  endif()
endfunction()

foreach(core tarvel_model tarvel_store tarvel_link tarvel_present tarvel_datalog tarvel3ctl)
  tarvel_forbid_links(${core} "Qt|tarvel_ui|tarvel_app")
endforeach()
