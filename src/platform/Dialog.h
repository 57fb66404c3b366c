#pragma once

namespace gw {

enum class DialogKind { Modecg, Sizein, FileDlg, FileSel2, Cust, Insatu, ImportImage, NewPuzzle };

// A dialog is state plus handlers in the core; a platform shows it (ShowModal) and the handlers
// close it (Platform::CloseDialog). `open` is kept by the platform.
struct Dialog {
  virtual ~Dialog() = default;
  virtual DialogKind Kind() const = 0;
  bool open = false;
};

}  // namespace gw
