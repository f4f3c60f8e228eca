// The layout document of a chest, shared by the layout and stop commands.
#include "LayoutJson.h"

#include "chest/CWindchest.h"

namespace ventrel::cli {
namespace {

using Json = nlohmann::ordered_json;

Json Rect(const CRectangle &r) {
    return {{"x1", r.x1}, {"x2", r.x2}, {"y1", r.y1}, {"y2", r.y2}};
}

Json Turrets(const CStop &stop) {
    Json turrets = Json::array();
    for (int t = 0; t < stop.m_turret_count; ++t) {
        const CLoft *turret = stop.TurretOrNull(t);
        if (!turret)
            continue;
        turrets.push_back(
            {{"couple", turret->m_couple_name},
             {"forme", turret->m_forme_name},
             {"couple_points", turret->m_couple.PointCount()},
             {"forme_points", turret->m_forme.PointCount()},
             {"offset", {turret->m_offset.x, turret->m_offset.y, turret->m_offset.z}},
             {"rotation", {turret->m_rotation.x, turret->m_rotation.y, turret->m_rotation.z}}});
    }
    return turrets;
}

Json Pipes(const CStop &stop) {
    Json pipes = Json::array();
    for (int k = 0; k < stop.PipeSlots(); ++k) {
        const size_t i = static_cast<size_t>(k);
        pipes.push_back({{"x", stop.m_x[i]},
                         {"y", stop.m_y[i]},
                         {"diameter", stop.m_diameter[i]},
                         {"hole", stop.m_hole[i]},
                         {"foot", stop.m_foot[i]},
                         {"length", stop.m_length[i]},
                         {"valve", stop.m_valve[i]},
                         {"side", stop.m_side[i]}});
    }
    return pipes;
}

Json Stop(const CStop &stop) {
    return {{"name", stop.m_name},
            {"pipe_count", stop.m_pipe_count},
            {"first_pipe", stop.m_first_pipe},
            {"incx", stop.m_incx},
            {"diatonic", stop.m_diatonic},
            {"diatonic_offset", stop.m_diatonic_offset},
            {"slider", stop.m_slider},
            {"square", stop.m_square},
            {"mixture", stop.m_mixture},
            {"gap", stop.m_gap},
            {"x0", stop.m_x0},
            {"y0", stop.m_y0},
            {"turrets", Turrets(stop)},
            {"bounds", Rect(stop.m_bounds)},
            {"pipes", Pipes(stop)}};
}

} // namespace

Json LayoutJson(const CWindchest &chest, bool valvesOk, const ValveCounters &counters) {
    Json pilots = Json::array();
    const CStop &frame = chest.m_frame_holes;
    for (int i = 0; i < frame.PipeSlots(); ++i)
        pilots.push_back({{"x", frame.X(i)},
                          {"y", frame.Y(i)},
                          {"diameter", frame.m_hole[static_cast<size_t>(i)]}});
    Json classes = Json::object();
    for (size_t c = 1; c < kValveClasses.size(); ++c)
        classes[std::to_string(kValveClasses[c])] = counters.counts[c];
    Json rects = Json::array(), lines = Json::array();
    for (int i = 0; i < chest.m_rect_count; ++i)
        rects.push_back(Rect(chest.m_rects[static_cast<size_t>(i)]));
    for (int i = 0; i < chest.m_line_count; ++i) {
        const CRectangle &line = chest.m_lines[static_cast<size_t>(i)];
        lines.push_back({{"xa", line.x1}, {"ya", line.y1}, {"xb", line.x2}, {"yb", line.y2}});
    }
    Json stops = Json::array();
    for (int s = 0; s < chest.StopCount(); ++s)
        stops.push_back(Stop(chest.Stop(s)));
    return {{"file", chest.m_file_name},
            {"plate", Rect(chest.m_plate)},
            {"pilot_holes", pilots},
            {"valves", {{"ok", valvesOk}, {"count", chest.m_valve_count}, {"classes", classes}}},
            {"partitions", {{"rects", rects}, {"lines", lines}}},
            {"stops", stops}};
}

} // namespace ventrel::cli
