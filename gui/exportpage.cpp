// File > Export Page: the page that the window shows, in its style, as a
// PNG, SVG or PDF file chosen in the desktop's file chooser.
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <string>

#include <FL/Fl_Native_File_Chooser.H>
#include <FL/fl_ask.H>

#include "chart/chartfile.h"
#include "chart/escape.h"
#include "gui/commands.h"
#include "gui/shell.h"
#include "page/pageexport.h"

void export_cb(Fl_Widget*, void* p) {
  const shell& sh = *static_cast<shell*>(p);
  Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_SAVE_FILE);
  chooser.title("Export Page");
  chooser.filter(exportfilters);
  // The folder of the chart file; GTK's chooser would start in its
  // recently used files, where no file can be made.
  char cwd[PATH_MAX];
  if (getcwd(cwd, sizeof cwd)) chooser.directory(cwd);
  chooser.options(Fl_Native_File_Chooser::SAVEAS_CONFIRM | Fl_Native_File_Chooser::NEW_FOLDER);
  switch (chooser.show()) {
    case 0:
      break;
    case -1:
      fl_alert("Error exporting page!\n%s", chooser.errmsg());
      return;
    default:
      return;  // cancelled
  }
  exporttarget t = exportfile(chooser.filename(), chooser.filter_value());
  // The chooser asked before replacing the name it was given, not the one
  // with the extension added.
  struct stat st;
  if (t.added && stat(t.path.c_str(), &st) == 0 &&
      fl_choice("%s exists.\nReplace it?", "Cancel", "Replace", nullptr,
                escapebytes(t.path, escapes::control).c_str()) != 1)
    return;
  std::string why;
  if (!exportpage(t, sh.north, chartfilename, sh.birth, sh.chart, why)) fl_alert("%s", why.c_str());
}
