#pragma once

// The main window's menu commands that open other windows and programs.
namespace corvane {
}
