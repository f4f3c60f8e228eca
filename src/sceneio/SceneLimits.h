// The sizes of the scratch tables in which a scene reader gathers one object's lists.
#pragma once

namespace ventrel {

// Points, normals, colours and interpolator values of one object.
inline constexpr int kScenePointScratch = 300000;
// Texture coordinate pairs of one object.
inline constexpr int kScenePairScratch = 300000;
// Face index entries of one object.
inline constexpr int kSceneIndexScratch = 100000;
// Characters of one word.
inline constexpr int kSceneWordLimit = 500;

} // namespace ventrel
