// Writes our icons into src/resources: make_art <resources folder>
#include <fstream>
#include <iostream>

#include "art.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: make_art <resources folder>\n";
    return 2;
  }
  const std::string dir = argv[1];
  const auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream out(dir + "/" + name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
  };
  if (!write("app.ico", art::appIco()) || !write("lock.ico", art::lockIco()) || !write("about.ico", art::aboutIco()) ||
      !write("form1_arrow_down.ico", art::arrowDownIco()) ||
      !write("form1_arrow_up.ico", art::arrowUpIco()) || !write("form1_small_icons.bmp", art::smallIconsBmp())) {
    std::cerr << "make_art: cannot write to " << dir << "\n";
    return 1;
  }
  return 0;
}
