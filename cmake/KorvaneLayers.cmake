# Each layer publishes its headers through an include root of its own in the build tree, holding
# one link to the layer's header folder. A target sees the roots of the layers it links and
# nothing else, so an include of a higher layer or of another layer's internals does not compile.
function(korvane_public_headers target folder)
  get_filename_component(name ${folder} NAME)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${folder} ${root}/${name} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()
