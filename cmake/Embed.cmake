# veh_embed_file(TARGET INPUT SYMBOL): compiles the bytes of INPUT (relative to the calling
# folder) into TARGET as `extern const std::uint8_t SYMBOL[]` and `extern const std::size_t
# SYMBOLSize`.
function(veh_embed_file target input symbol)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${symbol}.cpp)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${CMAKE_CURRENT_SOURCE_DIR}/${input} -DOUTPUT=${output}
            -DSYMBOL=${symbol} -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    DEPENDS ${input} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
    COMMENT "Embedding ${input}")
  target_sources(${target} PRIVATE ${output})
endfunction()
