// Turns PostScript into PDF with Ghostscript's pdfwrite device.
#pragma once

namespace plxhost {

class Distiller {};

} // namespace plxhost
