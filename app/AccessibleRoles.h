#pragma once

// The accessibility roles of the window's own controls: Qt gives a widget of
// a class it does not know the role of a plain client area, which screen
// readers pass over. While an AccessibleRoles lives, the chart is a chart
// and the pendulum figure and the equations panel are pictures. Make it
// before the first control is asked for its accessible interface.
class AccessibleRoles {
public:
    AccessibleRoles();
    ~AccessibleRoles();
    AccessibleRoles(const AccessibleRoles&) = delete;
    AccessibleRoles& operator=(const AccessibleRoles&) = delete;
};
