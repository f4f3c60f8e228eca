// The document operations: opening a chest, an organ or a side file, building the scene,
// exporting a chest. The app's commands, the batch tool and the tests all go through them; they
// change only what they are given and write files only where their name says so.
#pragma once

#include "DocumentFile.h"

#include "chest/OrganFile.h"

#include <memory>
#include <string>
#include <vector>

namespace ventrel {

class CWindchest;
class Scene;
class Ui;
struct ChestTable;
struct PipeBoards;
struct ValveCounters;

// What opening a chest gave: whether its files were read, and whether every valve found a class.
struct ChestOpened {
    bool read = false;
    bool valvesFit = false;
};

// The partition file (when given), then the chest file read into `chest`. A file that cannot be
// read leaves the chest as it was (message shown, false); a fatal input error is raised with the
// chest as it was.
bool ReadChest(CWindchest &chest, const DocumentFile &file, Ui &ui,
               const DocumentFile *partitions = nullptr);

// "Open Chest" without its cut list: the partition file (when given), then the chest file read into
// `chest`, laid out, its valves sized. A file that cannot be read leaves the chest as it was
// (message shown); a fatal input error is raised with the chest as it was.
ChestOpened OpenChest(CWindchest &chest, const DocumentFile &file, ValveCounters &valves, Ui &ui,
                      const DocumentFile *partitions = nullptr);

// "STOP" likewise: the stop file read into `chest` (a new stop when it has some), laid out, its
// valves sized; the chest is left as it was when the file cannot be read or added.
ChestOpened OpenStop(CWindchest &chest, const DocumentFile &file, ValveCounters &valves, Ui &ui);

// "Open Organ": the organ file, then its chests into the table from record 0 on, each laid out and
// placed. The records are reused, so each keeps its settings. False, with the table untouched,
// when the organ file cannot be read. `unread` collects the chests that could not be read whole.
bool OpenOrgan(const DocumentFile &file, OrganFile &organ, ChestTable &table, Ui &ui,
               std::vector<std::string> *unread = nullptr);

// An organ or a chest by its extension; a chest becomes the table's only chest (the organ has no
// items then). False when it cannot be read. `unread` collects what could not be read whole: the
// organ's chests, or the chest that has no stop ("NAME (no stop)").
bool OpenDocument(const DocumentFile &file, OrganFile &organ, ChestTable &table, Ui &ui,
                  std::vector<std::string> *unread = nullptr);

// The 3D scene of an opened document: the organ's bars and pipes, then every chest of the table.
// An organ that does not fit in the scene is refused (message shown): false, nothing added.
bool BuildScene(Scene &scene, const OrganFile &organ, ChestTable &table, Ui &ui);

// The chest of a circle file ("Open X Y R Circles"); null when the file cannot be read.
std::unique_ptr<CWindchest> OpenCircles(const DocumentFile &file, Ui &ui);

// The boards of a wooden-pipe file ("Open Pipe"); null when the file cannot be read.
std::unique_ptr<PipeBoards> OpenPipeBoards(const DocumentFile &file, Ui &ui);

// The files of an opened chest that "Export DXF" leaves in the output folder: the four plate
// drawings and the cut list naming them, written as one set so that a failure leaves the previous
// set whole. `forCam` writes the drawings as complete DXF for CAM, then the cut list.
bool ExportChest(CWindchest &chest, const DocumentFile &file, Ui &ui, bool forCam = false);

} // namespace ventrel
