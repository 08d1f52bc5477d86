#pragma once

// Capture of a window and printing of its picture.
namespace corvane::Module1 {
}
