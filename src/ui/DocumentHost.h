// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a tool window needs from the one document: registration for the
// update hints, the instant, the sky and its bodies, the display options, the
// commands, the object being looked for, and the main window it opens on. The
// document implements it; the windows never see the program's assembly.
namespace zarn {

class CAstre;
class CConstellation;
class CDocView;
class CInstant;
class CWorkspace;
class SkyModel;
struct DisplayOptions;
class SolarBodies;

class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    virtual void AddView(CDocView* view) = 0;
    virtual void RemoveView(CDocView* view) = 0;

    virtual CInstant& instant() = 0;
    virtual SkyModel& sky() = 0;
    virtual SolarBodies& bodies() = 0;
    virtual DisplayOptions& options() = 0;

    // A menu command, as if chosen from the menus.
    virtual void onCommand(int id) = 0;
    // The object the search chose, or null.
    virtual CAstre* viewedObject() const = 0;
    // The search's choice: true when the sky window turned towards it.
    virtual bool findObject(CAstre& object) = 0;
    // The map of a constellation, centred on a sky position (radians).
    virtual void showConstellationMap(const CConstellation& constellation, double ra, double dec) = 0;

    // The main window the document's windows open on.
    virtual CWorkspace& workspace() = 0;
};

}  // namespace zarn
