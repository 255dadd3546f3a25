// The page's music output, run by the browser on its audio thread: plays float stereo that the
// page's main thread renders ahead and sends as chunks, so a busy main thread does not break
// the sound while chunks remain queued here.
//
// Messages from the page (node.port):
//   {type: 'chunk', samples}      a Float32Array of interleaved stereo (its buffer transferred),
//                                 played after those already queued
//   {type: 'start', generation}   play what is queued, and what comes after, from now on; a
//                                 generation's chunks wait, silent, until its start comes
//   {type: 'stop', generation}    drop everything queued at once; later chunks belong to the
//                                 numbered generation (the next song)
// Messages to the page:
//   {type: 'played', generation, frames}  after each chunk is used up: the frames played of
//                                 this generation so far, which the page's feeder tops up from
//   {type: 'starved', generation} once each time the queue runs dry while a song plays (the
//                                 page fell behind: the output is silent until chunks come)
//   {type: 'tap', left, right}    with processorOptions.tap only: copies of what was output,
//                                 1024 frames a message, silence included
class MusicProcessor extends AudioWorkletProcessor {
  constructor(options) {
    super();
    this.queue = [];  // chunks not yet used up, oldest first
    this.offset = 0;  // frames of queue[0] already output
    this.generation = 0;
    this.played = 0;  // frames of this generation's chunks used up
    this.playing = false;  // this generation started; silence now means starving
    this.starving = false;
    this.tap = Boolean(options.processorOptions && options.processorOptions.tap);
    this.tapFrames = 1024;
    this.newTap();
    this.port.onmessage = (event) => this.receive(event.data);
  }

  receive(message) {
    if (message.type === 'chunk') {
      this.queue.push(message.samples);
      this.starving = false;
    } else if (message.type === 'start') {
      if (message.generation === this.generation) this.playing = true;
    } else if (message.type === 'stop') {
      this.queue = [];
      this.offset = 0;
      this.played = 0;
      this.playing = false;
      this.starving = false;
      this.generation = message.generation;
    }
  }

  newTap() {
    if (!this.tap) return;
    this.tapLeft = new Float32Array(this.tapFrames);
    this.tapRight = new Float32Array(this.tapFrames);
    this.tapUsed = 0;
  }

  process(inputs, outputs) {
    const [left, right] = outputs[0];
    const frames = left.length;
    let written = 0;
    while (this.playing && written < frames && this.queue.length > 0) {
      const chunk = this.queue[0];
      const chunkFrames = chunk.length >> 1;
      const take = Math.min(frames - written, chunkFrames - this.offset);
      for (let i = 0; i < take; ++i) {
        left[written + i] = chunk[2 * (this.offset + i)];
        right[written + i] = chunk[2 * (this.offset + i) + 1];
      }
      written += take;
      this.offset += take;
      if (this.offset === chunkFrames) {
        this.queue.shift();
        this.offset = 0;
        this.played += chunkFrames;
        this.port.postMessage({type: 'played', generation: this.generation, frames: this.played});
      }
    }
    // Nothing (more) queued: no song plays, or the page fell behind.
    if (written < frames && this.playing && !this.starving) {
      this.starving = true;
      this.port.postMessage({type: 'starved', generation: this.generation});
    }
    left.fill(0, written);
    right.fill(0, written);
    if (this.tap) this.record(left, right);
    return true;
  }

  record(left, right) {
    let from = 0;
    while (from < left.length) {
      const take = Math.min(left.length - from, this.tapFrames - this.tapUsed);
      this.tapLeft.set(left.subarray(from, from + take), this.tapUsed);
      this.tapRight.set(right.subarray(from, from + take), this.tapUsed);
      this.tapUsed += take;
      from += take;
      if (this.tapUsed === this.tapFrames) {
        this.port.postMessage({type: 'tap', left: this.tapLeft, right: this.tapRight},
                              [this.tapLeft.buffer, this.tapRight.buffer]);
        this.newTap();
      }
    }
  }
}

registerProcessor('demo-music', MusicProcessor);
