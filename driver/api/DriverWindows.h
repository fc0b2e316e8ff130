#pragma once
// The driver's widgets, created only when the client runs a GUI application:
// the graph window, the setup dialog with its tray icon and wizards, kept in
// step with the driver's state.

#include <memory>

namespace qlx::driver {
class GraphWindow;
class QtDriverWindows;
class TForm2;
class TQLX32;
} // namespace qlx::driver

namespace qlx::api {

class DriverWindows {
public:
    // Null when the application cannot show widgets.
    static std::unique_ptr<DriverWindows> create(driver::TQLX32& driver, driver::TForm2& graph);
    ~DriverWindows();

    void showGraph();
    void closeGraph();
    // Shows the setup dialog modally; returns when it is closed.
    void execSetupDialog();

private:
    DriverWindows(driver::TQLX32& driver, driver::TForm2& graph);

    driver::TQLX32& driver_;
    driver::TForm2& graph_;
    std::unique_ptr<driver::GraphWindow> graphWindow_;
    std::unique_ptr<driver::QtDriverWindows> windows_; // goes before the graph window it uses
};

} // namespace qlx::api
