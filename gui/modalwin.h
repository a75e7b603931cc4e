// The modal windows of the menu commands (the chart data dialog and the
// chart list): built afresh at each opening, destroyed when they close.
#pragma once

#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>

// A modal window that is destroyed from inside the callback of one of its
// own widgets: Fl::delete_widget waits until that event has been handled,
// and closed keeps a late callback from acting twice. Closing the window or
// pressing Escape cancels, and so destroys it rather than leaving a hidden
// window behind.
struct modalwin : Fl_Double_Window {
  modalwin(int w, int h, const char* title) : Fl_Double_Window(w, h, title) {
    callback(closecb, this);
    set_modal();
  }

  // Cancel's callback, and the window's own: closes it.
  static void closecb(Fl_Widget*, void* v) { static_cast<modalwin*>(v)->close(); }

  void close() {
    if (closed) return;
    closed = true;
    hide();
    Fl::delete_widget(this);
  }

  bool closed = false;
};
