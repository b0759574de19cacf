#pragma once

#include <chrono>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

// A writer that keeps knocking on a FIFO until it ends, so code that wrongly
// opens the FIFO for reading gets an empty file and its test fails instead
// of waiting for good.
class TFifoKnocker {
public:
    explicit TFifoKnocker(const std::filesystem::path& fifo)
        : Thread([fifo](std::stop_token stop) {
              while (!stop.stop_requested()) {
                  if (const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                      ::close(fd);
                      return;
                  }
                  std::this_thread::sleep_for(std::chrono::milliseconds(5));
              }
          }) {}

private:
    std::jthread Thread;
};
