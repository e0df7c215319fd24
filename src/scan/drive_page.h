#pragma once
#include <functional>
#include <string>
#include <vector>

#include "widgets/button.h"
#include "widgets/label.h"
#include "widgets/list_view.h"
#include "widgets/panel.h"

// The Drive Clean page: three lines of guidance, the drive list with its tick boxes and the Scan
// button. The scan itself belongs to the results page; the Scan button hands its click on.
class DriveCleanPage {
  public:
    // Fills suiPanelClean, which the shell has made; startScan runs when the Scan button is clicked.
    void Create(std::function<void()> startScan);
    // Lists the drives; called once at start-up.
    void FillDrives();
    // The ticked drives, "C:" each, in list order.
    std::vector<std::string> TickedDrives() const;

    Panel suiPanelClean;
    Panel driveInnerPanel, suiPanel2;
    Label driveLine1, driveLine2, driveLine3;
    Picture driveSeparator1, driveSeparator2, driveSeparator3, drivePicture;
    ListView ListViewDrive;
    // The drive of each row of ListViewDrive, "C:", in list order: the rows neither move nor go.
    std::vector<std::string> rowDrives;
    Button suiButtonScan;
    void ListViewDriveMouseDown(MouseButton button, int x, int y);
    // As a row is drawn: drawState, its drawing state, loses what would show it selected.
    void ListViewDriveCustomDrawItem(UINT& drawState);
    // Space on the focused drive: as a click on its tick box.
    void ListViewDriveTickKey(int row);
};
