#include "SignalGenerator.h"

#include <chrono>

namespace bextor {

TOpenALThread::TOpenALThread() : FSampleBuffer(static_cast<std::size_t>(kSamplesPerBuffer)) {
  FDevice = alcOpenDevice(nullptr);
  if (FDevice) {
    FContext = alcCreateContext(FDevice, nullptr);
    alcMakeContextCurrent(FContext);
    alGenBuffers(2, FBuffers);
    alGenSources(1, &FSource);
    alSourcef(FSource, AL_PITCH, 1.0f);
    alSourcef(FSource, AL_GAIN, 1.0f);
  }
  FInitialized = FDevice != nullptr;
  FWorker = std::thread([this] { Execute(); });
}

TOpenALThread::~TOpenALThread() {
  Stop();
  {
    std::lock_guard lock(FLock);
    FTerminated = true;
  }
  FWake.notify_all();
  FWorker.join();
  Release();
}

bool TOpenALThread::IsInitialized() {
  std::lock_guard lock(FLock);
  return FInitialized;
}

bool TOpenALThread::Start() {
  {
    std::lock_guard lock(FLock);
    if (!FInitialized) return false;
    FCommand = cmdStart;
    FPaused = false;
  }
  FWake.notify_all();
  return true;
}

void TOpenALThread::Stop() {
  std::lock_guard lock(FLock);
  FCommand = cmdStop;
}

void TOpenALThread::SetFrequency(double frequency) {
  std::lock_guard lock(FLock);
  if (FInitialized && frequency != FFrequency) {
    FFrequency = frequency;
    FSignal.SetFrequency(frequency);
  }
}

void TOpenALThread::Execute() {
  std::unique_lock lock(FLock);
  for (;;) {
    // Paused until a start; the predicate is checked under the lock, so a start that
    // comes while the worker goes to sleep is never lost.
    FWake.wait(lock, [this] { return !FPaused || FTerminated; });
    if (FTerminated) break;
    lock.unlock();
    int command = FCommand.load();
    if (command == cmdRefill) {
      RefillProcessed();
    } else if (command == cmdStart) {
      StartPlayback();
      FCommand.compare_exchange_strong(command, cmdRefill);  // unless a stop came meanwhile
    } else if (command == cmdStop) {
      StopPlayback();
      lock.lock();
      if (FCommand.compare_exchange_strong(command, cmdStopped)) FPaused = true;
      lock.unlock();
    }
    lock.lock();
    FWake.wait_for(lock, std::chrono::milliseconds(100), [this] { return FTerminated; });
    if (FTerminated) break;
  }
}

void TOpenALThread::StartPlayback() {
  ALint queued = 0;
  alGetSourcei(FSource, AL_BUFFERS_QUEUED, &queued);
  if (queued > 0) return;  // a start while playing: the queue keeps going unbroken
  FillAndQueue(FBuffers[0]);
  FillAndQueue(FBuffers[1]);
  alSourcePlay(FSource);
}

void TOpenALThread::StopPlayback() {
  alSourceStop(FSource);
  alSourcei(FSource, AL_BUFFER, 0);  // detaches every queued buffer
}

void TOpenALThread::FillAndQueue(ALuint buffer) {
  FSignal.Generate(FSampleBuffer.data(), FSamplesPerBuffer);
  alBufferData(buffer, AL_FORMAT_MONO16, FSampleBuffer.data(), FSamplesPerBuffer * 2, kSampleRate);
  alSourceQueueBuffers(FSource, 1, &buffer);
}

void TOpenALThread::RefillProcessed() {
  ALint processed = 0;
  alGetSourcei(FSource, AL_BUFFERS_PROCESSED, &processed);
  for (; processed > 0; --processed) {
    ALuint buffer = 0;
    alSourceUnqueueBuffers(FSource, 1, &buffer);
    FillAndQueue(buffer);
  }
  ALint state = 0, queued = 0;
  alGetSourcei(FSource, AL_SOURCE_STATE, &state);
  alGetSourcei(FSource, AL_BUFFERS_QUEUED, &queued);
  if (state != AL_PLAYING && queued > 0) alSourcePlay(FSource);  // recovers from an underrun
}

void TOpenALThread::Release() {
  if (!FInitialized) return;
  alSourceStop(FSource);
  alDeleteSources(1, &FSource);
  alDeleteBuffers(2, FBuffers);
  alcMakeContextCurrent(nullptr);
  alcDestroyContext(FContext);
  alcCloseDevice(FDevice);
}

TSignalGenerator::TSignalGenerator() : FThread(std::make_unique<TOpenALThread>()) {
  if (FThread->IsInitialized()) FState = gsReady;
  SetFrequency(1000.0);
}

TSignalGenerator::~TSignalGenerator() = default;

void TSignalGenerator::SetFrequency(double frequency) {
  if (frequency == FFrequency) return;
  FFrequency = frequency;
  FThread->SetFrequency(frequency);
}

bool TSignalGenerator::Start() {
  if (!FThread->Start()) return false;
  FState = gsPlaying;
  return true;
}

void TSignalGenerator::Stop() {
  FThread->Stop();
  FState = gsStopped;
}

}  // namespace bextor
