// The opaque objects of the scene compiled a second time into a few display lists, one run of
// objects per texture, face side and material, each object's placement carried into its points.
//
// A frame of many small objects spends its time not on their points but on what the driver does
// for each object's list: loading its matrix, its material and setting up a draw. Replaying a few
// long lists instead lets the driver draw thousands of objects at once, which is what makes the
// compiled scene much faster to draw than the same faces sent anew each frame.
#pragma once

#include "render/FaceSender.h"

#include <array>
#include <memory>
#include <tuple>
#include <vector>

namespace ventrel {

class CObject3D;

class SceneBatch {
public:
    using ObjectTable = std::vector<std::unique_ptr<CObject3D>>;

    SceneBatch() = default;
    SceneBatch(const SceneBatch &) = delete;
    SceneBatch &operator=(const SceneBatch &) = delete;

    // Compiles every object that can share a list (the first `count` slots; each must have its
    // own list already). A context must be current.
    void Build(const ObjectTable &objects, int count, int textureCount);
    // True while every object compiled in is still in its slot, unchanged since.
    bool IsCurrent(const ObjectTable &objects, int count) const;
    bool Covers(int slot) const {
        return slot >= 0 && slot < static_cast<int>(m_covered.size()) && m_covered[slot];
    }
    // Replays the lists: with `select`, unlit and untextured (identification colours only), else
    // with each run's texture and face side in the given polygon mode.
    void Draw(bool select, const std::vector<unsigned> &textureNames, unsigned polygonMode) const;
    // Deletes the lists; touches OpenGL only when there are some.
    void Clear();

    int ListCount() const { return static_cast<int>(m_runs.size()); }
    int ObjectCount() const { return static_cast<int>(m_members.size()); }

private:
    // What an object's list shares with its run: the texture drawn with it, the face side and the
    // material, which the run's list sets once before its faces (sent with every point instead,
    // a material would double the memory of the list).
    struct Key {
        int texture = -1;
        unsigned face = 0;
        SentMaterial material;
        bool operator==(const Key &other) const {
            return texture == other.texture && face == other.face &&
                   material.SameAs(other.material);
        }
    };
    struct Member {
        int slot;
        const CObject3D *object;
        unsigned long stamp;
        Key key;
    };
    struct Run {
        Key key;
        unsigned list;
    };

    // Keys in an order, to find a run among many.
    using KeyOrder = std::tuple<int, unsigned, std::array<float, 10>>;
    static KeyOrder OrderOf(const Key &key);
    // The object's key when it can share a run's list.
    static bool KeyOf(const CObject3D &object, int textureCount, Key &key);
    void CompileRun(const ObjectTable &objects, const std::vector<int> &slots, Key key);

    std::vector<Member> m_members;
    std::vector<Run> m_runs;
    std::vector<bool> m_covered;
    int m_textureCount = 0;
};

} // namespace ventrel
