#pragma once

class QWidget;
class ReachMeTableWindow;

// The table window's PDF, CSV and PNG buttons, writing the left position it
// shows and reporting on its status line.
QWidget* exportButtonsFor(ReachMeTableWindow& table);
