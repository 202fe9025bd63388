#include "core/link/com_handler.h"

#include <algorithm>

#include "core/store/model_memory.h"

namespace core {

namespace {

std::string TrimRight(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
  return s;
}

}  // namespace

void ComHandler::TransferReset() {
  portState_ = 0;
  sendState_ = kTxIdle;
  receiveState_ = kRxIdle;
}

void ComHandler::FlushInput() {
  // Bounded: a chattering line must not hold the user-interface thread.
  for (int i = 0; i < 64 && ports_.ComRxAvailable(portNumber_); ++i) {
    int count = kScratchSize;
    ports_.ComRead(portNumber_, scratch_.data(), count);
    if (count == 0) break;
  }
}

void ComHandler::StartSend() {
  // A port closed after its line went away is opened again by the next tick.
  if (!ports_.IsOpen(portNumber_)) portState_ = 0;
  lineLost_ = false;
  FlushInput();
  receiveState_ = kRxIdle;
  sendState_ = kTxOpenAck;
}

void ComHandler::StartReceive() {
  if (!ports_.IsOpen(portNumber_)) portState_ = 0;
  lineLost_ = false;
  FlushInput();
  sendState_ = kTxIdle;
  receiveState_ = kRxWaitOpenAck;
}

bool ComHandler::AckArrived() {
  if (!ports_.ComRxAvailable(portNumber_)) return false;
  int count = kScratchSize;
  ports_.ComRead(portNumber_, scratch_.data(), count);
  return ContainsAck(scratch_.data(), count);
}

bool ComHandler::WriteWhenDone(const std::uint8_t* bytes, int count) {
  if (!ports_.ComTxDone(portNumber_)) return false;
  ports_.ComWrite(portNumber_, bytes, count);
  return true;
}

bool ComHandler::WriteAck() {
  return WriteWhenDone(&kAck, 1);
}

std::string ComHandler::NameLine(const ModellSpeicherTyp& record) const {
  return TrimRight("Modell = " + NameText(&record));
}

void ComHandler::TransferTick() {
  if (portState_ == 0) {
    ports_.ComOpen(portNumber_, 8, 2, baudRate_, kParityEven);
    portState_ = 1;
    host_.AppendLog("COM" + std::to_string(portNumber_) + ": " + std::to_string(baudRate_) +
                    " bit/s");
    return;
  }
  if (!CheckLine()) return;
  ReceiveStep();
  SendStep();
}

bool ComHandler::CheckLine() {
  if (!ports_.ComLineLost(portNumber_)) return true;
  // Nothing will arrive any more: end at once instead of waiting for the time-out, and close
  // the port so a dead line costs no CPU. A record being received stays free: nothing is stored.
  ports_.ComClose(portNumber_);
  if (TransferBusy() != 0) {
    host_.AppendLog(kLineLostLog);
    lineLost_ = true;
  }
  sendState_ = kTxIdle;
  receiveState_ = kRxIdle;
  rxRecord_ = nullptr;
  txRecord_ = nullptr;
  return false;
}

void ComHandler::ReceiveStep() {
  // Records freed by the store (a change of directory) must not be written any more.
  if (receiveState_ >= kRxHeader && rxGeneration_ != host_.RecordGeneration()) {
    rxRecord_ = nullptr;
    receiveState_ = kRxIdle;
  }
  // The record is free until the image is complete, so the store may hand it out again
  // meanwhile (a new memory, a copy). Its new owner keeps it; the receive starts over.
  if (receiveState_ >= kRxHeader && receiveState_ <= kRxImage && rxRecord_->inUse) {
    rxRecord_ = nullptr;
    StartReceive();
  }
  switch (receiveState_) {
    case kRxIdle:
      break;
    case kRxWaitOpenAck:
      if (AckArrived()) receiveState_ = kRxOpenAck;
      break;
    case kRxOpenAck:
      WriteAck();
      rxRecord_ = host_.AllocModelMemory();
      rxGeneration_ = host_.RecordGeneration();
      rxTimeoutId_ = timers_.SwtStart(rxTimeoutId_, kSwtCountDownMs, kRxBlockTimeoutMs);
      receiveState_ = rxRecord_ ? kRxHeader : kRxWaitOpenAck;
      break;
    case kRxHeader: {
      ModellSpeicherTyp& r = *rxRecord_;
      if (ports_.ComRxAvailable(portNumber_)) {
        int count = kHeaderBlockSize - r.rxHeaderCount;
        ports_.ComRead(portNumber_, r.header.data() + r.rxHeaderCount, count);
        r.rxHeaderCount += count;
        if (r.rxHeaderCount == kHeaderBlockSize && HeaderAccepted(r.header)) {
          host_.AppendLog(FormatLine(r.header));
          receiveState_ = kRxHeaderAck;
        }
      }
      if (timers_.SwtExpired(rxTimeoutId_)) StartReceive();
      break;
    }
    case kRxHeaderAck:
      WriteAck();
      timers_.SwtStart(rxTimeoutId_, kSwtCountDownMs, kRxBlockTimeoutMs);
      receiveState_ = kRxLength;
      break;
    case kRxLength: {
      ModellSpeicherTyp& r = *rxRecord_;
      if (ports_.ComRxAvailable(portNumber_)) {
        int count = kLengthBlockSize - r.rxLengthCount;
        ports_.ComRead(portNumber_, r.lengthBytes.data() + r.rxLengthCount, count);
        r.rxLengthCount += count;
        if (r.rxLengthCount == kLengthBlockSize) {
          const int length = LengthFromBlock(r.lengthBytes);
          // Only an accepted length goes into dataLength, so no record ever claims more than
          // the image holds.
          if (length <= kMaxDataBlock) {
            r.dataLength = length;
            host_.AppendLog("Blocklänge = " + std::to_string(length));
            receiveState_ = kRxLengthAck;
          }
        }
      }
      if (timers_.SwtExpired(rxTimeoutId_)) StartReceive();
      break;
    }
    case kRxLengthAck:
      WriteAck();
      timers_.SwtStart(rxTimeoutId_, kSwtCountDownMs, kRxBlockTimeoutMs);
      receiveState_ = kRxImage;
      break;
    case kRxImage: {
      ModellSpeicherTyp& r = *rxRecord_;
      if (r.rxImageCount < r.dataLength && ports_.ComRxAvailable(portNumber_)) {
        int count = r.dataLength - r.rxImageCount;
        ports_.ComRead(portNumber_, r.image.data() + r.rxImageCount, count);
        r.rxImageCount += count;
      }
      // A length block of 0 announces no image bytes: the memory is complete at once.
      if (r.rxImageCount >= r.dataLength) {
        host_.AppendLog(NameLine(r));
        if (!HeaderLoadable(r.header)) host_.AppendLog(kForeignHeaderWarning);
        r.inUse = true;
        receiveState_ = kRxImageAck;
      }
      break;
    }
    case kRxImageAck:
      WriteAck();
      host_.RebuildTree();
      receiveState_ = kRxIdle;
      break;
    default:
      receiveState_ = kRxIdle;
      break;
  }
}

void ComHandler::SendStep() {
  if (sendState_ >= kTxWaitHeaderAck && txGeneration_ != host_.RecordGeneration()) {
    txRecord_ = nullptr;
    sendState_ = kTxIdle;
  }
  switch (sendState_) {
    case kTxIdle:
      break;
    case kTxOpenAck:
      WriteAck();
      sendState_ = kTxWaitOpenAck;
      break;
    case kTxWaitOpenAck:
      if (AckArrived()) sendState_ = kTxHeader;
      break;
    case kTxHeader:
      txRecord_ = host_.GetActive();
      txGeneration_ = host_.RecordGeneration();
      if (!txRecord_) {
        // The send controls are disabled without an active memory; should one vanish
        // meanwhile, end the send instead of waiting for an acknowledge that means nothing.
        host_.AppendLog("kein Modell gewählt");
        sendState_ = kTxIdle;
        break;
      }
      WriteWhenDone(txRecord_->header.data(), kHeaderBlockSize);
      host_.AppendLog(FormatLine(txRecord_->header));
      sendState_ = kTxWaitHeaderAck;
      break;
    case kTxWaitHeaderAck:
      if (AckArrived()) sendState_ = kTxLength;
      break;
    case kTxLength:
      WriteWhenDone(txRecord_->lengthBytes.data(), kLengthBlockSize);
      host_.AppendLog("Blocklänge = " + std::to_string(txRecord_->dataLength) + " byte");
      sendState_ = kTxWaitLengthAck;
      break;
    case kTxWaitLengthAck:
      if (AckArrived()) {
        expectedDuration_ = ExpectedDurationMs(txRecord_->dataLength, baudRate_);
        stopwatchId_ = timers_.SwtStart(stopwatchId_, kSwtStopwatchMs, 0);
        sendOffset_ = 0;
        sendState_ = kTxImage;
      }
      break;
    case kTxImage: {
      const int length = std::clamp(txRecord_->dataLength, 0, kMaxDataBlock);
      if (ports_.ComTxDone(portNumber_)) {
        const int count = std::max(0, std::min(kImageWriteChunk, length - sendOffset_));
        if (count > 0) ports_.ComWrite(portNumber_, txRecord_->image.data() + sendOffset_, count);
        if (sendOffset_ < kImageWriteChunk) host_.AppendLog(NameLine(*txRecord_));
        sendOffset_ += count;
      }
      if (sendOffset_ >= length) sendState_ = kTxWaitImageAck;
      break;
    }
    case kTxWaitImageAck:
      if (AckArrived()) sendState_ = kTxFinalAck;
      break;
    case kTxFinalAck:
      WriteAck();
      sendState_ = kTxIdle;
      break;
    default:
      sendState_ = kTxIdle;
      break;
  }
}

bool ComHandler::NeedsTicks() {
  if (portState_ == 0) return true;
  const bool sendWaits = sendState_ == kTxIdle || sendState_ == kTxWaitOpenAck ||
                         sendState_ == kTxWaitHeaderAck || sendState_ == kTxWaitLengthAck ||
                         sendState_ == kTxWaitImageAck;
  const bool receiveWaits =
      receiveState_ == kRxIdle || receiveState_ == kRxWaitOpenAck ||
      (receiveState_ == kRxImage && rxRecord_ && rxRecord_->rxImageCount < rxRecord_->dataLength);
  if (!sendWaits || !receiveWaits) return true;
  return TransferBusy() != 0 && ports_.ComRxAvailable(portNumber_);
}

int ComHandler::TransferProgress() {
  int result = 0;
  if (sendState_ >= kTxImage) {
    if (expectedDuration_ == 0) {
      result = 100;
    } else {
      const std::uint32_t value = static_cast<std::uint32_t>(timers_.SwtValue(stopwatchId_));
      result = static_cast<int>(std::min<std::uint32_t>(100, value * 100 / expectedDuration_));
    }
  }
  if (receiveState_ == kRxImage && rxRecord_ && rxGeneration_ == host_.RecordGeneration()) {
    result =
        rxRecord_->dataLength == 0 ? 100 : rxRecord_->rxImageCount * 100 / rxRecord_->dataLength;
  }
  return result;
}

}  // namespace core
