// A horizontal scroll bar as the window has it: arrows step by 1, the track pages by 10, the
// keyboard does both; a dragged thumb changes nothing until it is let go at another value.
// Every settled change calls onChange(value, previous); a held arrow repeats until stopRepeating().
'use strict';

class ScrollBar {
  // valueText(value) says what a position means ("α = 4°"), for screen readers.
  constructor(element, onChange, valueText = String) {
    this.element = element;
    this.valueText = valueText;
    this.maximum = Number(element.dataset.max);
    this.value = Number(element.dataset.value);
    this.onChange = onChange;
    this.build();
    this.place();
  }

  build() {
    const e = this.element;
    // The arrows are for the pointer: a slider's keys do what they do, and a slider holds no
    // controls of its own for a screen reader.
    e.innerHTML = '<div class="arrow left" aria-hidden="true">◀</div>' +
        '<div class="track"><div class="thumb"></div></div>' +
        '<div class="arrow right" aria-hidden="true">▶</div>';
    this.track = e.querySelector('.track');
    this.thumb = e.querySelector('.thumb');
    e.setAttribute('aria-valuemin', '0');
    e.setAttribute('aria-valuemax', String(this.maximum));
    this.holdArrow(e.querySelector('.left'), -1);
    this.holdArrow(e.querySelector('.right'), +1);
    this.track.addEventListener('pointerdown', (event) => this.page(event));
    this.thumb.addEventListener('pointerdown', (event) => this.grab(event));
    e.addEventListener('keydown', (event) => this.key(event));
  }

  // Square arrows like the window's; the thumb as wide as the bar is high.
  place() {
    const height = this.element.clientHeight;
    for (const arrow of this.element.querySelectorAll('.arrow')) arrow.style.width = `${height}px`;
    this.thumb.style.width = `${height}px`;
    this.showValue(this.value);
  }

  showValue(value) {
    const room = Math.max(0, this.track.clientWidth - this.thumb.offsetWidth);
    this.thumb.style.left = `${(room * value) / this.maximum}px`;
    this.element.setAttribute('aria-valuenow', String(value));
    this.element.setAttribute('aria-valuetext', this.valueText(value));
    this.element.dataset.value = String(value);
  }

  set(value) {
    const clamped = Math.min(this.maximum, Math.max(0, Math.round(value)));
    if (clamped === this.value) return false;
    const previous = this.value;
    this.value = clamped;
    this.showValue(clamped);
    this.onChange(clamped, previous);
    return true;
  }

  // A position the handlers chose (Enter in the text box beside the bar): shown, not run again.
  showAt(value) {
    this.value = Math.min(this.maximum, Math.max(0, Math.round(value)));
    this.showValue(this.value);
  }

  // A change whose work was cancelled: the thumb goes back, unless it has moved on since.
  putBackIfAt(value, previous) {
    if (this.value !== value) return;
    this.value = previous;
    this.showValue(previous);
  }

  holdArrow(button, direction) {
    button.addEventListener('pointerdown', (event) => {
      event.preventDefault();
      event.stopPropagation();
      this.element.focus();
      this.set(this.value + direction);
      this.stopRepeating();
      this.repeatTimer = setTimeout(() => {
        this.repeatTimer = setInterval(() => {
          if (!this.set(this.value + direction)) this.stopRepeating();
        }, 50);
      }, 400);
    });
    for (const end of ['pointerup', 'pointerleave', 'pointercancel'])
      button.addEventListener(end, () => this.stopRepeating());
  }

  stopRepeating() {
    clearTimeout(this.repeatTimer);
    clearInterval(this.repeatTimer);
    this.repeatTimer = undefined;
  }

  page(event) {
    if (event.target !== this.track) return;
    this.element.focus();
    const thumbLeft = this.thumb.getBoundingClientRect().left;
    this.set(this.value + (event.clientX < thumbLeft ? -10 : 10));
  }

  grab(event) {
    event.preventDefault();
    event.stopPropagation();
    this.element.focus();
    const grabbedValue = this.value;
    const startX = event.clientX;
    const room = Math.max(1, this.track.clientWidth - this.thumb.offsetWidth);
    let dragged = grabbedValue;
    this.thumb.setPointerCapture(event.pointerId);
    const move = (e) => {
      dragged = Math.min(this.maximum,
          Math.max(0, Math.round(grabbedValue + ((e.clientX - startX) * this.maximum) / room)));
      this.showValue(dragged);
    };
    const release = () => {
      this.thumb.removeEventListener('pointermove', move);
      this.thumb.removeEventListener('pointerup', release);
      this.thumb.removeEventListener('pointercancel', release);
      if (dragged !== grabbedValue) {
        this.value = dragged;
        this.onChange(dragged, grabbedValue);
      }
    };
    this.thumb.addEventListener('pointermove', move);
    this.thumb.addEventListener('pointerup', release);
    this.thumb.addEventListener('pointercancel', release);
  }

  key(event) {
    const steps = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -1, ArrowDown: 1, PageUp: -10, PageDown: 10 };
    if (event.key in steps) this.set(this.value + steps[event.key]);
    else if (event.key === 'Home') this.set(0);
    else if (event.key === 'End') this.set(this.maximum);
    else return;
    event.preventDefault();
  }
}
