#pragma once
// The test tone: a continuous sine on the default audio output. A worker thread keeps two
// OpenAL buffers of 0.3 s queued on one source and refills each as soon as it has played,
// so a new frequency is heard within at most two buffers, continuing the waveform.

#include "audio/signal_sinewave.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace bextor {

// The audio worker. Every OpenAL call after the constructor is made on its thread.
class TOpenALThread {
public:
  static constexpr int kSampleRate = 48000;
  static constexpr int kSamplesPerBuffer = 14400;  // 0.3 s

  // Opens the default device (when there is one) and starts the worker, paused.
  TOpenALThread();
  // Stops playback, ends the worker and releases source, buffers, context and device.
  ~TOpenALThread();
  TOpenALThread(const TOpenALThread&) = delete;
  TOpenALThread& operator=(const TOpenALThread&) = delete;

  bool IsInitialized();
  // Asks the worker to (re)start playback; false without a device.
  bool Start();
  void Stop();
  void SetFrequency(double frequency);

private:
  enum TCommand : int { cmdRefill = 0, cmdStart = 1, cmdStop = 2, cmdStopped = 3 };

  void Execute();
  void StartPlayback();
  void StopPlayback();
  void FillAndQueue(ALuint buffer);
  void RefillProcessed();
  void Release();

  std::mutex FLock;
  std::condition_variable FWake;
  const int FSamplesPerBuffer = kSamplesPerBuffer;
  std::vector<std::int16_t> FSampleBuffer;  // one buffer's samples, reused for every fill
  double FFrequency = 0.0;
  bool FInitialized = false;
  ALuint FBuffers[2] = {0, 0};
  ALCdevice* FDevice = nullptr;
  ALCcontext* FContext = nullptr;
  ALuint FSource = 0;
  TSignal_SineWave FSignal{kSampleRate};
  std::atomic<int> FCommand{cmdRefill};
  bool FPaused = true;       // guarded by FLock
  bool FTerminated = false;  // guarded by FLock
  std::thread FWorker;
};

class TSignalGenerator {
public:
  enum TState : std::uint8_t { gsUnavailable = 0, gsReady = 1, gsStopped = 2, gsPlaying = 3 };

  // Opens the audio output (FState 0 when there is none) at 1000 Hz.
  TSignalGenerator();
  ~TSignalGenerator();

  void SetFrequency(double frequency);
  bool Start();
  void Stop();

  TState State() const { return FState; }
  double Frequency() const { return FFrequency; }

private:
  double FFrequency = 0.0;
  std::unique_ptr<TOpenALThread> FThread;
  TState FState = gsUnavailable;
};

}  // namespace bextor
