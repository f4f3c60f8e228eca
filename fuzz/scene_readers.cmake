# The scene readers, seeded from our own examples and, where they are beside the checkout, from
# real files written by other people.
ventrel_fuzzer(scene_vrml1 ${CMAKE_CURRENT_SOURCE_DIR}/scene_vrml1.cpp sceneio
    SEEDS ${realdata}/vrml1)
ventrel_fuzzer(scene_vrml2 ${CMAKE_CURRENT_SOURCE_DIR}/scene_vrml2.cpp sceneio
    SEEDS ${realdata}/vrml2)
ventrel_fuzzer(scene_mesh ${CMAKE_CURRENT_SOURCE_DIR}/scene_mesh.cpp sceneio SEEDS ${realdata}/x)
ventrel_fuzzer(scene_footprint ${CMAKE_CURRENT_SOURCE_DIR}/scene_footprint.cpp sceneio)
ventrel_fuzzer(scene_terrain ${CMAKE_CURRENT_SOURCE_DIR}/scene_terrain.cpp sceneio)
