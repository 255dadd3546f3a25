// The two ways the page plays the sound that the demo's player (WebAudioPlayer) renders ahead
// on the main thread, in chunks of interleaved float stereo. Both take the same calls:
//   send(samples)      a Float32Array of interleaved stereo, played after what came before
//   start(generation)  play the generation's chunks, held until now, and those after them
//   stop(generation)   silence at once and drop what is held; later chunks belong to the
//                      numbered generation (the next song)
// and make the same reports: played(generation, frames) after each chunk (worklet) or block
// (scheduled) is used up (the frames of that generation used up so far) and
// starved(generation) when the sound ran out while a song played.
//
// The audio worklet (music_worklet.js, given to the page as Module.musicWorkletSource) plays
// on the browser's audio thread and is the way wherever the page could load it. Browsers offer
// worklets only to secure pages (https://, localhost, a file), so elsewhere the main thread
// gathers the chunks into blocks and schedules each block as an AudioBufferSourceNode at its
// place on the audio context's clock;
// the audio thread plays what is scheduled while the main thread is busy, as it plays what the
// worklet holds.
// This file is linked into the page's program ahead of the rest (--pre-js).

// The worklet's node, made on the context whose audioWorklet has music_worklet.js loaded. With
// onTap (the page's audiotap parameter) the worklet sends copies of what it outputs there.
function WorkletMusicOutput(context, reports, onTap) {
  const node = new AudioWorkletNode(context, 'demo-music', {
    numberOfInputs: 0,
    numberOfOutputs: 1,
    outputChannelCount: [2],
    processorOptions: {tap: Boolean(onTap)},
  });
  node.port.onmessage = function(event) {
    const message = event.data;
    if (message.type === 'played') {
      reports.played(message.generation, message.frames);
    } else if (message.type === 'starved') {
      reports.starved(message.generation);
    } else if (message.type === 'tap') {
      onTap(message.left, message.right, context.sampleRate);
    }
  };
  node.connect(context.destination);
  this.node = node;
}

WorkletMusicOutput.prototype.send = function(samples) {
  this.node.port.postMessage({type: 'chunk', samples: samples}, [samples.buffer]);
};
WorkletMusicOutput.prototype.start = function(generation) {
  this.node.port.postMessage({type: 'start', generation: generation});
};
WorkletMusicOutput.prototype.stop = function(generation) {
  this.node.port.postMessage({type: 'stop', generation: generation});
};

// Chunks scheduled from the main thread, gathered into blocks. Each block starts on a whole
// sample frame of the context's clock right where the one before it ends, so the output is
// the rendered samples unchanged. Browsers take a start time to the nearest frame only up to
// rounding, and at 44100 Hz most frames' times are not exact in binary; a block lasts a
// number of seconds that is exact (rate / the largest power of two dividing it: 11025 frames,
// a quarter second, at 44100 Hz), so every block's start time is exact. Everything plays
// through one gain node, `output`; stop() leaves it silent at once by stopping every source.
function ScheduledMusicOutput(context, reports) {
  this.context = context;
  this.reports = reports;
  this.output = context.createGain();
  this.output.connect(context.destination);
  let blockFrames = context.sampleRate;
  while (blockFrames % 2 === 0) blockFrames /= 2;
  this.blockFrames = blockFrames;
  this.generation = 0;
  this.newBlock();
  this.held = [];  // the generation's whole blocks until its start
  this.playing = false;
  this.nextBlock = 0;  // the context's clock, in blocks, where the next block starts
  this.played = 0;
  this.starving = false;
  this.sources = new Set();
}

// How far ahead of the context's clock a song's first block, or the first after the sound ran
// out, is placed at least: the time its scheduling takes to reach the audio thread.
ScheduledMusicOutput.leadSeconds = 0.05;

ScheduledMusicOutput.prototype.newBlock = function() {
  this.block = this.context.createBuffer(2, this.blockFrames, this.context.sampleRate);
  this.filled = 0;
};

ScheduledMusicOutput.prototype.send = function(samples) {
  let from = 0;
  const frames = samples.length >> 1;
  while (from < frames) {
    const take = Math.min(frames - from, this.blockFrames - this.filled);
    const left = this.block.getChannelData(0);
    const right = this.block.getChannelData(1);
    for (let i = 0; i < take; ++i) {
      left[this.filled + i] = samples[2 * (from + i)];
      right[this.filled + i] = samples[2 * (from + i) + 1];
    }
    from += take;
    this.filled += take;
    if (this.filled === this.blockFrames) {
      if (this.playing) {
        this.schedule(this.block);
      } else {
        this.held.push(this.block);
      }
      this.newBlock();
    }
  }
};

ScheduledMusicOutput.prototype.start = function(generation) {
  if (generation !== this.generation || this.playing) return;
  this.playing = true;
  this.nextBlock = this.firstBlockAfterLead();
  const held = this.held;
  this.held = [];
  for (const block of held) this.schedule(block);
};

ScheduledMusicOutput.prototype.stop = function(generation) {
  for (const source of this.sources) {
    source.onended = null;
    source.stop();
    source.disconnect();
  }
  this.sources.clear();
  this.held = [];
  this.newBlock();
  this.playing = false;
  this.played = 0;
  this.starving = false;
  this.generation = generation;
};

ScheduledMusicOutput.prototype.firstBlockAfterLead = function() {
  const context = this.context;
  const frame = (context.currentTime + ScheduledMusicOutput.leadSeconds) * context.sampleRate;
  return Math.ceil(frame / this.blockFrames);
};

ScheduledMusicOutput.prototype.schedule = function(block) {
  const context = this.context;
  // A block whose place has passed would be cut short: the sound ran out while the main thread
  // was busy, so it goes on from a moment ahead instead.
  if (this.nextBlock * this.blockFrames < context.currentTime * context.sampleRate) {
    if (!this.starving) this.reports.starved(this.generation);
    this.starving = true;
    this.nextBlock = this.firstBlockAfterLead();
  } else {
    this.starving = false;
  }
  const source = context.createBufferSource();
  source.buffer = block;
  source.connect(this.output);
  const generation = this.generation;
  source.onended = () => {
    this.sources.delete(source);
    source.disconnect();
    this.played += this.blockFrames;
    this.reports.played(generation, this.played);
  };
  source.start(this.nextBlock * this.blockFrames / context.sampleRate);
  this.sources.add(source);
  this.nextBlock += 1;
};

// The way to play on this context: the worklet where it is loaded (Module.musicWorkletLoaded),
// else blocks scheduled from the main thread, saying why on the console.
Module.openMusicOutput = function(context, reports, onTap) {
  if (Module.musicWorkletLoaded) {
    try {
      return new WorkletMusicOutput(context, reports, onTap);
    } catch (error) {
      err('demo: the music worklet cannot start (' + error + '); the page plays the music ' +
          'from its main thread');
    }
  } else if (!context.audioWorklet) {
    err('demo: the browser offers audio worklets only to secure pages (https://, localhost); ' +
        'the page plays the music from its main thread');
  }
  return new ScheduledMusicOutput(context, reports);
};
