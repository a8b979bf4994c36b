#pragma once

#include <span>
#include <string>

class QPrinter;

namespace korvalin {

// Prints the lines as one job on a printer already set up (by the print
// dialog, or as a PDF file), one line per printed line, top to bottom and
// page after page, in the diary's font. False if the job could not start.
bool printLines(QPrinter& printer, std::span<const std::string> lines);

}  // namespace korvalin
